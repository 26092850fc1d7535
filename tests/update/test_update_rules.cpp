// The update check's decisions without a window or a network: reading the
// maker's version file, when a check is due, and what closing the notice changes.

#include "support/test_env.h"
#include "update/schedule.h"
#include "update/version_file.h"

#include <QTest>

using namespace lorvex;
using namespace lorvex::test;

namespace {
const QDate today(2027, 3, 10), unchanged(2001, 1, 1);
QDate d(int days) { return today.addDays(days); }
QString iso(QDate date) { return date.toString(Qt::ISODate); }
constexpr auto never = UpdateSchedule::never, weekly = UpdateSchedule::weekly, monthly = UpdateSchedule::monthly;
} // namespace

class TestUpdateRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The version published for product 101.
    void publishedVersion_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("version");
        const auto row = [](const char *name, const QByteArray &file, int v) { QTest::newRow(name) << file << v; };
        row("line 101 ending in 104", "100 Other 210\r\n101 Lorvex 104\r\n", 104);
        row("first 101 wins", "101 a 103\r\n101 b 109\r\n", 103);
        row("third of three CR LF lines", "100 Other 210\r\n100 X 220\r\n101 Lorvex 104\r\n", 104);
        row("no line for 101: the last", "099 A 150\r\n100 B 210\r\n", 210);
        row("heading of letters first", "Products\r\n101 Lorvex 104\r\n", 0);
        row("empty line stops the search", "\r\n101 x 103", 0);
        row("negative product field passes", "-10 a 104\r\n101 b 105", 105);
        row("product field is three characters", " 101 x 104\r\n100 y 210", 210);
        row("line of three characters", "100 Other 210\r\n101\r\n", 101);
        row("empty file", "", 0);
        row("blank and 99", "101 Lorvex  99\r\n", 99);
        row("tab before, blank after", "101 x\t7 ", 7);
        row("decimal point", "101 x 1.5", 0);
        row("LF only: one line", "101 Lorvex 104\n102 Other 210", 210);
        row("LF only, LF at the end", "101 Lorvex 104\n", 0); // the LF is in the field
        row("CR only splits", "100 Other 210\r101 Lorvex 104\r", 104);
        row("garbage bytes", QByteArray("\x89PNG\x00\x01\xff\xfe\r\n\x00\x00\x00", 13), 0);
    }
    void publishedVersion()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, version);
        QCOMPARE(lorvex::publishedVersion(file, 101), version);
    }

    void nextCheckDate_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<UpdateSchedule>("schedule");
        QTest::addColumn<QDate>("next");
        QTest::newRow("weekly") << today << weekly << QDate(2027, 3, 17);
        QTest::newRow("monthly, 31 January") << QDate(2027, 1, 31) << monthly << QDate(2027, 2, 28);
        QTest::newRow("monthly, 31 January, leap year") << QDate(2028, 1, 31) << monthly << QDate(2028, 2, 29);
        QTest::newRow("monthly, December") << QDate(2026, 12, 15) << monthly << QDate(2027, 1, 15);
        QTest::newRow("never keeps the date") << today << never << unchanged;
        QTest::newRow("unknown schedule keeps it") << today << static_cast<UpdateSchedule>(7) << unchanged;
    }
    void nextCheckDate()
    {
        QFETCH(QDate, from);
        QFETCH(UpdateSchedule, schedule);
        QFETCH(QDate, next);
        QCOMPARE(lorvex::nextCheckDate(from, schedule, unchanged), next);
    }

    void isCheckDue_data()
    {
        QTest::addColumn<UpdateSchedule>("schedule");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QDate>("next");
        QTest::addColumn<bool>("due");
        QTest::newRow("never, overdue") << never << d(-40) << d(-30) << false;
        QTest::newRow("checked today, overdue") << weekly << d(0) << d(-5) << false;
        QTest::newRow("due today") << weekly << d(-7) << d(0) << true;
        QTest::newRow("due tomorrow") << monthly << d(-20) << d(1) << false;
        QTest::newRow("overdue") << monthly << d(-40) << d(-9) << true;
        QTest::newRow("no due date yet") << weekly << QDate() << QDate() << true;
        // Only "never" turns the check off; any other number goes by the dates.
        QTest::newRow("unknown schedule, due today") << static_cast<UpdateSchedule>(7) << d(-7) << d(0) << true;
    }
    void isCheckDue()
    {
        QFETCH(UpdateSchedule, schedule);
        QFETCH(QDate, last);
        QFETCH(QDate, next);
        QFETCH(bool, due);
        QCOMPARE(lorvex::isCheckDue(schedule, last, next, today), due);
    }

    // Closing the notice on 10 March, the last check a week before: the new
    // schedule, last check and due date, then the settings written in order.
    void noticeClosing_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<UpdateSchedule>("schedule");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("ticked: the schedule off only")
            << true << monthly << l("0 2027-03-03 2001-01-01|Guncelleme Zamani=0");
        QTest::newRow("weekly: renewed from today")
            << false << weekly
            << l("1 2027-03-10 2027-03-17|Guncelleme Tarihi=2027-03-10|Guncelleme Kontrolu=2027-03-17");
    }
    void noticeClosing()
    {
        QFETCH(bool, ticked);
        QFETCH(UpdateSchedule, schedule);
        QFETCH(QStringList, after);
        const NoticeClosing c = lorvex::noticeClosing(ticked, schedule, d(-7), unchanged, today);
        QStringList seen{QStringLiteral("%1 %2 %3").arg(int(c.schedule)).arg(iso(c.lastCheck), iso(c.newNext))};
        for (const ScheduleWrite &w : c.writes)
            seen.append(QString::fromLatin1(w.key) + u'=' + (w.date.isValid() ? iso(w.date) : w.text));
        QCOMPARE(seen, after);
    }
};

QTEST_GUILESS_MAIN(TestUpdateRules)
#include "test_update_rules.moc"
