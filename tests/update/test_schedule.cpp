#include "app/settings.h"
#include "update/schedule.h"

#include <QTest>

using namespace lorvex;

class TestSchedule : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nextDate_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("schedule");
        QTest::addColumn<QDate>("next");
        const QDate kept(2001, 1, 1);
        QTest::newRow("weekly") << QDate(2027, 3, 10) << 1 << QDate(2027, 3, 17);
        QTest::newRow("monthly") << QDate(2027, 3, 10) << 2 << QDate(2027, 4, 10);
        QTest::newRow("31 Jan 2027") << QDate(2027, 1, 31) << 2 << QDate(2027, 2, 28);
        QTest::newRow("31 Jan 2028, leap year") << QDate(2028, 1, 31) << 2 << QDate(2028, 2, 29);
        QTest::newRow("30 Jan 2100, no leap year") << QDate(2100, 1, 30) << 2 << QDate(2100, 2, 28);
        QTest::newRow("31 Mar") << QDate(2027, 3, 31) << 2 << QDate(2027, 4, 30);
        QTest::newRow("December") << QDate(2026, 12, 31) << 2 << QDate(2027, 1, 31);
        QTest::newRow("never keeps") << QDate(2027, 3, 10) << 0 << kept;
        QTest::newRow("unknown keeps") << QDate(2027, 3, 10) << 3 << kept;
    }
    void nextDate()
    {
        QFETCH(QDate, today);
        QFETCH(int, schedule);
        QFETCH(QDate, next);
        QCOMPARE(nextCheckDate(today, schedule, QDate(2001, 1, 1)), next);
    }

    void due_data()
    {
        QTest::addColumn<int>("schedule");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QDate>("next");
        QTest::addColumn<bool>("due");
        const QDate today(2027, 3, 10);
        QTest::newRow("never, overdue") << 0 << today.addDays(-30) << today.addDays(-1) << false;
        QTest::newRow("checked today, overdue") << 1 << today << today.addDays(-3) << false;
        QTest::newRow("due today") << 1 << today.addDays(-7) << today << true;
        QTest::newRow("due tomorrow") << 1 << today.addDays(-6) << today.addDays(1) << false;
        QTest::newRow("unknown schedule still checks") << 5 << today.addDays(-7) << today << true;
        QTest::newRow("no dates at all") << 1 << QDate() << QDate() << true;
    }
    void due()
    {
        QFETCH(int, schedule);
        QFETCH(QDate, last);
        QFETCH(QDate, next);
        QFETCH(bool, due);
        QCOMPARE(isCheckDue(schedule, last, next, QDate(2027, 3, 10)), due);
    }

    void closingTicked()
    {
        const QDate last(2027, 3, 1), next(2027, 3, 8);
        const NoticeClosing c = noticeClosing(true, 2, last, next, QDate(2027, 3, 10));
        QCOMPARE(c.schedule, 0);
        QCOMPARE(c.lastCheck, last);
        QCOMPARE(c.newNext, next);
        QCOMPARE(c.writes.size(), 1);
        QCOMPARE(QByteArray(c.writes[0].key), QByteArray("Guncelleme Zamani"));
        QCOMPARE(c.writes[0].text, QStringLiteral("0"));
        QVERIFY(!c.writes[0].date.isValid());
    }

    void closingUnticked_data()
    {
        QTest::addColumn<int>("schedule");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("next");
        QTest::newRow("weekly, 10 March") << 1 << QDate(2027, 3, 10) << QDate(2027, 3, 17);
        QTest::newRow("monthly, 31 January") << 2 << QDate(2027, 1, 31) << QDate(2027, 2, 28);
        QTest::newRow("unknown keeps the old due date") << 7 << QDate(2027, 3, 10) << QDate(2027, 3, 8);
    }
    void closingUnticked()
    {
        QFETCH(int, schedule);
        QFETCH(QDate, today);
        QFETCH(QDate, next);
        const NoticeClosing c = noticeClosing(false, schedule, QDate(2027, 3, 1), QDate(2027, 3, 8), today);
        QCOMPARE(c.schedule, schedule);
        QCOMPARE(c.lastCheck, today);
        QCOMPARE(c.newNext, next);
        QCOMPARE(c.writes.size(), 2);
        QCOMPARE(QByteArray(c.writes[0].key), QByteArray(keys::GuncellemeTarihi));
        QCOMPARE(c.writes[0].date, today);
        QCOMPARE(QByteArray(c.writes[1].key), QByteArray(keys::GuncellemeKontrolu));
        QCOMPARE(c.writes[1].date, next);
    }

    void closingWithoutAnyDueDate()
    {
        // Nothing to renew from: only the day of the check is stored.
        const NoticeClosing c = noticeClosing(false, 0, QDate(), QDate(), QDate(2027, 3, 10));
        QCOMPARE(c.writes.size(), 1);
        QCOMPARE(QByteArray(c.writes[0].key), QByteArray(keys::GuncellemeTarihi));
    }
};

QTEST_APPLESS_MAIN(TestSchedule)
#include "test_schedule.moc"
