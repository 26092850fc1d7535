#include "app/dialog_frame.h"

#include <QDialog>
#include <QScreen>
#include <QTest>

using namespace lorvex;

class TestDialogFrame : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Over the owner's middle, but never hanging off the owner's screen.
    void centreOver_data()
    {
        QTest::addColumn<QPoint>("ownerAt");
        QTest::addColumn<bool>("clamped");
        QTest::newRow("owner on screen") << QPoint(200, 150) << false;
        QTest::newRow("owner past the right and bottom edges") << QPoint(10000, 10000) << true;
        QTest::newRow("owner past the left and top edges") << QPoint(-10000, -10000) << true;
    }
    void centreOver()
    {
        QFETCH(QPoint, ownerAt);
        QFETCH(bool, clamped);
        QWidget owner;
        owner.setGeometry(QRect(ownerAt, QSize(576, 511)));
        QDialog dialog(&owner, fixedDialogFlags);
        dialog.setFixedSize(407, 400);
        lorvex::centreOver(&dialog, &owner);
        const QRect available = owner.screen()->availableGeometry();
        QVERIFY(available.contains(dialog.geometry()));
        QCOMPARE(dialog.geometry().center() == owner.geometry().center(), !clamped);
    }

    void placesFromTheTable()
    {
        static constexpr Place places[] = {{"Kutu", 1, 2, 30, 40}};
        QWidget holder;
        QWidget *w = placed(new QWidget(&holder), QStringLiteral("Kutu"), places);
        QCOMPARE(w->objectName(), QStringLiteral("Kutu"));
        QCOMPARE(w->geometry(), QRect(1, 2, 30, 40));
        QVERIFY(placeOf(places, QStringLiteral("Yok")).isNull());
    }
};

QTEST_MAIN(TestDialogFrame)
#include "test_dialog_frame.moc"
