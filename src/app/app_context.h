#pragma once
// What every window is handed: the shared values and the services, by reference.

#include <QString>

namespace lorvex {

struct SharedState;
class Settings;
class MessagePresenter;
class ErrorReporter;
class Clock;
class Opener;
class VersionChecker;

struct AppContext {
    SharedState &state;
    Settings &settings;
    MessagePresenter &boxes;
    ErrorReporter &errors;
    const Clock &clock;
    Opener &opener;
    VersionChecker &checker;
    // Where SurumKontrolEt keeps its temporary "~tmp.001".
    QString updateTempPath;
};

} // namespace lorvex
