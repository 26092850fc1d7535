#pragma once
// Small doubles for the services windows are handed, and a whole test context.

#include "app/app_context.h"
#include "app/clock.h"
#include "app/error_report.h"
#include "app/settings.h"
#include "app/shared_state.h"
#include "app/shell.h"
#include "support/scripted_presenter.h"
#include "support/test_env.h"
#include "update/version_checker.h"

#include <QStringList>
#include <memory>

namespace lorvex::test {

struct FixedClock final : Clock {
    explicit FixedClock(QDate day) : day(day) {}
    QDate today() const override { return day; }
    QDate day;
};

struct RecordingOpener final : Opener {
    void open(const QString &target) override { opened.append(target); }
    QStringList opened;
};

struct FixedChecker final : VersionChecker {
    int SurumKontrolEt(const QString &, int product) override
    {
        ++calls;
        lastProduct = product;
        return answer;
    }
    int answer = 1;
    int calls = 0;
    int lastProduct = 0;
};

// Everything a window needs, in a temporary home, with a fixed day and
// scripted boxes. A report records its status instead of ending the test.
struct TestContext {
    explicit TestContext(QDate today = QDate(2026, 12, 7), QLocale locale = QLocale(QLocale::Turkish, QLocale::Turkey))
        : clock(today), settings(home.settingsPath(), locale),
          errors(boxes, state.Mesajlar, [this](int status) { exitStatus = status; })
    {
        state.DilKlasoru = home.path() + QStringLiteral("/Languages/");
        state.DilAdi = QStringLiteral("Türkçe");
        state.SurumNumarasi = 102;
        state.GuncellemeAraligi = UpdateSchedule::weekly;
        state.SonKontrolTarihi = today.addDays(-7);
        state.SonrakiKontrolTarihi = today.addDays(7);
    }
    AppContext context()
    {
        return AppContext{state, settings, boxes,   errors,
                          clock, opener,   checker, home.path() + QStringLiteral("/cache/~tmp.001")};
    }

    TestHome home;
    SharedState state;
    FixedClock clock;
    Settings settings;
    ScriptedPresenter boxes;
    RecordingOpener opener;
    FixedChecker checker;
    int exitStatus = -1; // set when an error report would have ended the program
    ErrorReporter errors;
};

} // namespace lorvex::test
