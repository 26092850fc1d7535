// The About dialog's decisions without the window: the update status at
// opening, the end of a check on demand, and what closing counts as a change.

#include "about/about_rules.h"
#include "support/test_env.h"

#include <QTest>

using namespace lorvex;
using namespace lorvex::test;

namespace {
constexpr int running = 102;
constexpr auto none = UpdateResult::none, newer = UpdateResult::newerFound, current = UpdateResult::upToDate;
const auto unknown = static_cast<UpdateResult>(3);
} // namespace

class TestAboutRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The stored result as the settings reader gives it ("abc" reads as none,
    // an unreadable "Surum Bilgisi" as the running version).
    void openingStatus_data()
    {
        QTest::addColumn<UpdateResult>("stored");
        QTest::addColumn<bool>("checkedToday");
        QTest::addColumn<int>("published");
        QTest::addColumn<UpdateResult>("shown");
        QTest::addColumn<bool>("save");
        QTest::newRow("first opening, or a damaged result") << none << false << running << none << false;
        QTest::newRow("up to date today") << current << true << running << current << false;
        QTest::newRow("B: up to date yesterday") << current << false << running << none << true;
        QTest::newRow("A: announced today, installed") << newer << true << running << current << true;
        QTest::newRow("A: announced today, still newer") << newer << true << 103 << newer << false;
        QTest::newRow("A only on the day") << newer << false << running << newer << false;
        QTest::newRow("unknown state today stays") << unknown << true << running << unknown << false;
        QTest::newRow("B: unknown state later") << unknown << false << running << none << true;
    }
    void openingStatus()
    {
        QFETCH(UpdateResult, stored);
        QFETCH(bool, checkedToday);
        QFETCH(int, published);
        QFETCH(UpdateResult, shown);
        QFETCH(bool, save);
        const about::OpeningStatus status = about::openingStatus(stored, checkedToday, running,
                                                                 [=] { return published; });
        QCOMPARE(status.state, shown);
        QCOMPARE(status.save, save);
    }

    void checkOutcome_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("warning");
        QTest::addColumn<UpdateResult>("state");
        QTest::newRow("offline") << 1 << 156 << none;
        QTest::newRow("server failure") << 2 << 157 << none;
        QTest::newRow("no number") << 0 << 0 << current;
        QTest::newRow("older version") << 101 << 0 << current;
        QTest::newRow("equal version") << 102 << 0 << current;
        QTest::newRow("newer version") << 103 << 0 << newer;
    }
    void checkOutcome()
    {
        QFETCH(int, answer);
        QFETCH(int, warning);
        QFETCH(UpdateResult, state);
        const about::CheckOutcome outcome = about::checkOutcome(answer, running);
        QCOMPARE(outcome.warning, warning);
        QCOMPARE(outcome.state, state);
    }

    // The entries as listed: "Türkçe" is the built-in language.
    void openingLanguageIndex_data()
    {
        QTest::addColumn<QString>("DilAdi");
        QTest::addColumn<int>("index");
        QTest::newRow("exact name") << "English" << 0;
        QTest::newRow("no prefix match") << "Türkçe" << 2;
        QTest::newRow("case counts: the built-in") << "english" << 2;
        QTest::newRow("file removed: the built-in") << "Klingon" << 2;
    }
    void openingLanguageIndex()
    {
        QFETCH(QString, DilAdi);
        QFETCH(int, index);
        QCOMPARE(about::openingLanguageIndex(l("English|Türkçe2|Türkçe"), DilAdi, s("Türkçe")), index);
    }

    // From weekly; -1 when nothing changes.
    void changedSchedule_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("changed");
        QTest::newRow("the same") << 1 << -1;
        QTest::newRow("to monthly") << 2 << 2;
        QTest::newRow("to never") << 0 << 0;
        QTest::newRow("nothing selected") << -1 << -1;
    }
    void changedSchedule()
    {
        QFETCH(int, selected);
        QFETCH(int, changed);
        const auto schedule = about::changedSchedule(selected, UpdateSchedule::weekly);
        QCOMPARE(schedule ? int(*schedule) : -1, changed);
    }

    // "Türkçe" selected at opening; an empty text when nothing changes.
    void changedLanguage_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("changed");
        QTest::newRow("there and back") << 1 << "Türkçe" << QString();
        QTest::newRow("another") << 0 << "English"
                                 << "English";
        QTest::newRow("nothing selected") << -1 << QString() << QString();
    }
    void changedLanguage()
    {
        QFETCH(int, selected);
        QFETCH(QString, text);
        QFETCH(QString, changed);
        QCOMPARE(about::changedLanguage(selected, text, s("Türkçe")).value_or(QString()), changed);
    }

    void shownAddress_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("shown");
        QTest::newRow("https") << "https://example.org/x"
                               << "example.org/x";
        QTest::newRow("http, upper case") << "HTTP://example.org"
                                          << "example.org";
        QTest::newRow("no scheme") << "example.org/https://"
                                   << "example.org/https://";
    }
    void shownAddress()
    {
        QFETCH(QString, url);
        QFETCH(QString, shown);
        QCOMPARE(about::shownAddress(url), shown);
    }
};

QTEST_GUILESS_MAIN(TestAboutRules)
#include "test_about_rules.moc"
