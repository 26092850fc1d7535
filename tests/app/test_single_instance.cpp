#include "app/single_instance.h"
#include "support/test_env.h"

#include <QFile>
#include <QTest>
#include <QWidget>

using namespace lorvex;

namespace {
const QString title = QStringLiteral("Tavoran - Lorvex (MC 145151-2) 1.02");
}

class TestSingleInstance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void secondCopyReachesTheFirstWindow()
    {
        test::TestHome home;
        QWidget window;
        window.setWindowTitle(title);
        window.showMinimized();
        QVERIFY(window.windowState() & Qt::WindowMinimized);

        SingleInstance first(title);
        QVERIFY(first.tryBecomePrimary());
        int requests = 0;
        first.setActivationHandler([&] {
            ++requests;
            window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
            window.show();
            window.raise();
            window.activateWindow();
        });

        SingleInstance second(title);
        QVERIFY(!second.tryBecomePrimary());
        QVERIFY(second.askPrimaryToActivate());
        QTRY_COMPARE(requests, 1);
        QVERIFY(window.isVisible());
        QVERIFY(!(window.windowState() & Qt::WindowMinimized));
        QTRY_VERIFY(window.isActiveWindow());
    }

    void titlesAreSeparateAndLocksEndWithTheirHolder()
    {
        test::TestHome home;
        {
            SingleInstance first(title);
            QVERIFY(first.tryBecomePrimary());
            // Another language's product name or another version is another program.
            QVERIFY(SingleInstance(QStringLiteral("Tavoran - Lorvex EN (MC 145151-2) 1.02")).tryBecomePrimary());
            QVERIFY(SingleInstance(QStringLiteral("Tavoran - Lorvex (MC 145151-2) 1.03")).tryBecomePrimary());
        }
        SingleInstance next(title);
        QVERIFY(next.tryBecomePrimary());
        QVERIFY(!SingleInstance(QStringLiteral("nobody listens")).askPrimaryToActivate(200));
    }

    // A copy that crashed leaves its lock and socket files behind.
    void staleLeftoversDoNotBlock()
    {
        test::TestHome home;
        SingleInstance probe(title);
        test::writeFile(probe.lockPath(), "12345\nlorvex\n");
        test::writeFile(probe.serverName(), "junk");
        SingleInstance next(title);
        QVERIFY(next.tryBecomePrimary());
        // And it listens again, so a later copy can find it.
        int requests = 0;
        next.setActivationHandler([&] { ++requests; });
        SingleInstance later(title);
        QVERIFY(!later.tryBecomePrimary());
        QVERIFY(later.askPrimaryToActivate());
        QTRY_COMPARE(requests, 1);
    }
};

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
