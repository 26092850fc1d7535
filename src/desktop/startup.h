#pragma once
// BaşlangiçModülü: the program's start. It owns the shared values and the
// services for the whole run, fills them in a fixed order, makes sure only
// one copy runs, and hands over to the main window.

#include "app/shared_state.h"

#include <QString>
#include <memory>

class QApplication;

namespace lorvex {

class AnaForm;
class Clock;
class ErrorReporter;
class MessagePresenter;
class Opener;
class Settings;
class SingleInstance;
class VersionChecker;
struct AppContext;
namespace plan {
class SaveChooser;
}

// Replacements for the real services; the program leaves them all empty.
struct StartupSeams {
    QString settingsPath;              // empty: the user's store
    QString languagesFolder;           // empty: beside the program, or installed
    MessagePresenter *boxes = nullptr; // null: real message boxes
    const Clock *clock = nullptr;      // null: the system's date
    VersionChecker *checker = nullptr; // null: the maker's version file over HTTP
    Opener *opener = nullptr;          // null: the desktop's handler
};

class BaşlangiçModülü {
public:
    explicit BaşlangiçModülü(StartupSeams seams = {});
    ~BaşlangiçModülü();

    // Runs the sequence and then the program. Returns the exit status: 0 when
    // the main window closes or another copy was brought forward, non-zero
    // when start-up itself failed.
    int run(QApplication &app);

    SharedState state;
    AnaForm *mainWindow() const { return mainWindow_.get(); }

private:
    int startup(QApplication &app);
    void readSchedule();
    void openAbout();

    StartupSeams seams_;
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<MessagePresenter> ownBoxes_;
    std::unique_ptr<const Clock> ownClock_;
    std::unique_ptr<VersionChecker> ownChecker_;
    std::unique_ptr<Opener> ownOpener_;
    std::unique_ptr<plan::SaveChooser> saveChooser_;
    std::unique_ptr<ErrorReporter> errors_;
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<AnaForm> mainWindow_;
};

// Qt's own button texts ("Tamam", "Evet", "Hayır") for the desktop's language.
void installQtTranslations(QApplication &app);

} // namespace lorvex
