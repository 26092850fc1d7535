// The decisions behind the update check and the About dialog, without a
// window or a network: the maker's version file, when a check is due, and
// the About dialog's update status, opening language and shown address.
//
// Each table is one column of rows; a row's comment names its fields.

#include "about/about_rules.h"
#include "support/test_env.h"
#include "update/schedule.h"
#include "update/version_file.h"

#include <QTest>

using namespace lorvex;
using namespace lorvex::test;

namespace {
const QDate today(2027, 3, 10), unchanged(2001, 1, 1);
QDate d(int days) { return today.addDays(days); }
constexpr auto never = UpdateSchedule::never, weekly = UpdateSchedule::weekly, monthly = UpdateSchedule::monthly;
constexpr int running = 102;
constexpr auto none = UpdateResult::none, newer = UpdateResult::newerFound, current = UpdateResult::upToDate;
constexpr auto unknown = static_cast<UpdateResult>(3);

// The file; the version published for product 101.
using FileRow = std::tuple<QByteArray, int>;
// The day, the schedule; the next due date.
using NextRow = std::tuple<QDate, UpdateSchedule, QDate>;
// The schedule, the last check, the due date; whether a check is due today.
using DueRow = std::tuple<UpdateSchedule, QDate, QDate, bool>;
// The stored result, checked today, the published version; the result shown, and whether it is saved.
using OpeningRow = std::tuple<UpdateResult, bool, int, UpdateResult, bool>;
// The checker's answer; the warning, the new result.
using OutcomeRow = std::tuple<int, int, UpdateResult>;
} // namespace

class TestUpdateRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each row is a rule of its own.
    void publishedVersion_data()
    {
        QTest::addColumn<FileRow>("row");
        QTest::newRow("third of three CR LF lines") << FileRow{"100 Other 210\r\n100 X 220\r\n101 Lorvex 104\r\n", 104};
        QTest::newRow("first 101 wins") << FileRow{"101 a 103\r\n101 b 109\r\n", 103};
        QTest::newRow("no line for 101: the last") << FileRow{"099 A 150\r\n100 B 210\r\n", 210};
        QTest::newRow("an empty line stops the search") << FileRow{"\r\n101 x 103", 0};
        QTest::newRow("a signed product field is a number") << FileRow{"-10 a 104\r\n101 b 105", 105};
        QTest::newRow("the product field is three characters") << FileRow{" 101 x 104\r\n100 y 210", 210};
        QTest::newRow("empty file") << FileRow{"", 0};
        QTest::newRow("tab before, blank after, no line end") << FileRow{"101 x\t7 ", 7};
        // The LF is neither a line end nor a blank: it spoils the field.
        QTest::newRow("LF at the end") << FileRow{"101 Lorvex 104\n", 0};
        QTest::newRow("CR alone ends a line") << FileRow{"100 Other 210\r101 Lorvex 104\r", 104};
    }
    void publishedVersion()
    {
        QFETCH(FileRow, row);
        const auto &[file, version] = row;
        QCOMPARE(lorvex::publishedVersion(file, 101), version);
    }

    void nextCheckDate_data()
    {
        QTest::addColumn<NextRow>("row");
        QTest::newRow("weekly") << NextRow{today, weekly, QDate(2027, 3, 17)};
        QTest::newRow("monthly, 31 January") << NextRow{QDate(2027, 1, 31), monthly, QDate(2027, 2, 28)};
        QTest::newRow("monthly, 31 January, leap year") << NextRow{QDate(2028, 1, 31), monthly, QDate(2028, 2, 29)};
        QTest::newRow("never keeps the date") << NextRow{today, never, unchanged};
        QTest::newRow("unknown schedule keeps it") << NextRow{today, static_cast<UpdateSchedule>(7), unchanged};
    }
    void nextCheckDate()
    {
        QFETCH(NextRow, row);
        const auto &[from, schedule, next] = row;
        QCOMPARE(lorvex::nextCheckDate(from, schedule, unchanged), next);
    }

    void isCheckDue_data()
    {
        QTest::addColumn<DueRow>("row");
        QTest::newRow("never, overdue") << DueRow{never, d(-40), d(-30), false};
        QTest::newRow("checked today, overdue") << DueRow{weekly, d(0), d(-5), false};
        QTest::newRow("due today") << DueRow{weekly, d(-7), d(0), true};
        QTest::newRow("due tomorrow") << DueRow{monthly, d(-20), d(1), false};
        QTest::newRow("overdue") << DueRow{monthly, d(-40), d(-9), true};
        QTest::newRow("no due date yet") << DueRow{weekly, QDate(), QDate(), true};
        // Only "never" turns the check off; any other number goes by the dates.
        QTest::newRow("unknown schedule, due today") << DueRow{static_cast<UpdateSchedule>(7), d(-7), d(0), true};
    }
    void isCheckDue()
    {
        QFETCH(DueRow, row);
        const auto &[schedule, last, next, due] = row;
        QCOMPARE(lorvex::isCheckDue(schedule, last, next, today), due);
    }

    // The stored result as the settings reader gives it: a damaged one reads as none.
    void openingStatus_data()
    {
        QTest::addColumn<OpeningRow>("row");
        QTest::newRow("first opening: nothing to save") << OpeningRow{none, false, running, none, false};
        QTest::newRow("up to date today") << OpeningRow{current, true, running, current, false};
        QTest::newRow("B: up to date yesterday") << OpeningRow{current, false, running, none, true};
        QTest::newRow("an unknown state today stays") << OpeningRow{unknown, true, running, unknown, false};
        QTest::newRow("B: an unknown state later") << OpeningRow{unknown, false, running, none, true};
        QTest::newRow("A: announced today, installed") << OpeningRow{newer, true, running, current, true};
        QTest::newRow("A: announced today, still newer") << OpeningRow{newer, true, 103, newer, false};
        QTest::newRow("A only on the day") << OpeningRow{newer, false, running, newer, false};
    }
    void openingStatus()
    {
        QFETCH(OpeningRow, row);
        const auto &[stored, checkedToday, published, shown, save] = row;
        const auto status = about::openingStatus(stored, checkedToday, running, [p = published] { return p; });
        QCOMPARE(std::pair(status.state, status.save), std::pair(shown, save));
    }

    void checkOutcome_data()
    {
        QTest::addColumn<OutcomeRow>("row");
        QTest::newRow("offline") << OutcomeRow{1, 156, none};
        QTest::newRow("server failure") << OutcomeRow{2, 157, none};
        QTest::newRow("no number: up to date") << OutcomeRow{0, 0, current};
        QTest::newRow("equal version") << OutcomeRow{102, 0, current};
        QTest::newRow("newer version") << OutcomeRow{103, 0, newer};
    }
    void checkOutcome()
    {
        QFETCH(OutcomeRow, row);
        const auto &[answer, warning, state] = row;
        const about::CheckOutcome outcome = about::checkOutcome(answer, running);
        QCOMPARE(std::pair(outcome.warning, outcome.state), std::pair(warning, state));
    }

    // The About dialog's language selected at opening among the entries listed ("Türkçe" is the
    // built-in one), and a web address as shown. What closing it changes is seen in test_about.
    void aboutChoices()
    {
        for (const auto &[DilAdi, index] : {std::pair{"English", 0}, {"Türkçe", 2}, {"english", 2}}) // exact names only
            QCOMPARE(about::openingLanguageIndex(l("English|Türkçe2|Türkçe"), s(DilAdi), s("Türkçe")), index);
        for (const auto &[url, shown] : {std::pair{"https://example.org/x", "example.org/x"},
                                         {"HTTP://example.org", "example.org"},
                                         {"example.org/https://", "example.org/https://"}})
            QCOMPARE(about::shownAddress(s(url)), s(shown));
    }
};

QTEST_GUILESS_MAIN(TestUpdateRules)
#include "test_update_rules.moc"
