// One running copy per user, and dialogs placed over their owner.
#include "app/dialog_frame.h"
#include "app/single_instance.h"
#include "support/test_env.h"

#include <QScreen>
#include <QTest>

using namespace lorvex;

const QString id = QStringLiteral("example.tavoran.Lorvex");

class TestDesktopServices : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A killed copy leaves its lock and socket files behind: they block nothing, and the next
    // copy, which cannot take the lock, reaches the running one.
    void laterCopiesReachTheRunningOne()
    {
        test::TestHome home;
        SingleInstance first(id);
        test::writeFile(first.lockPath(), "12345\nlorvex\n");
        test::writeFile(first.serverName(), "junk");
        QVERIFY(first.tryBecomePrimary());
        int requests = 0;
        first.setActivationHandler([&] { ++requests; });
        SingleInstance second(id);
        QVERIFY(!second.tryBecomePrimary());
        QVERIFY(second.askPrimaryToActivate());
        QTRY_COMPARE(requests, 1);
    }

    // Never hanging off the owner's screen, whichever edges the owner is past; over the owner's
    // middle when the owner is wholly on screen.
    void centreOver()
    {
        QWidget owner, dialog(&owner, fixedDialogFlags);
        for (const int at : {10000, -10000, 200}) { // past the right and bottom, past the left and top, on screen
            owner.setGeometry(at, at, 576, 511);
            lorvex::centreOver(&dialog, &owner);
            QVERIFY2(owner.screen()->availableGeometry().contains(dialog.geometry()), qPrintable(QString::number(at)));
        }
        QCOMPARE(dialog.geometry().center(), owner.geometry().center());
    }
};

QTEST_MAIN(TestDesktopServices)
#include "test_desktop_services.moc"
