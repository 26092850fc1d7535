#include "app/dialog_frame.h"

#include <QScreen>
#include <QTest>

class TestDialogFrame : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Never hanging off the owner's screen, whichever edges the owner is past; over the owner's
    // middle when the owner is wholly on screen.
    void centreOver()
    {
        QWidget owner, dialog(&owner, lorvex::fixedDialogFlags);
        for (const int at : {10000, -10000, 200}) { // past the right and bottom, past the left and top, on screen
            owner.setGeometry(at, at, 576, 511);
            lorvex::centreOver(&dialog, &owner);
            QVERIFY2(owner.screen()->availableGeometry().contains(dialog.geometry()), qPrintable(QString::number(at)));
        }
        QCOMPARE(dialog.geometry().center(), owner.geometry().center());
    }
};

QTEST_MAIN(TestDialogFrame)
#include "test_dialog_frame.moc"
