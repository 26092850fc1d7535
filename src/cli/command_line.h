#pragma once
// lorvex-plan's decisions: which command, which options, what to print and the
// exit status. main() only hands over the arguments and writes the outcome.

#include <QByteArray>
#include <QStringList>

namespace lorvex::cli {

inline constexpr int exitOk = 0;
inline constexpr int exitNoFullFit = 1; // fit: nothing fits every channel (the nearest are still printed)
inline constexpr int exitUsage = 2;
inline constexpr int exitOutputFailed = 3;

struct Outcome {
    int exitCode = exitOk;
    QByteArray out; // for stdout
    QByteArray err; // for stderr: one line "lorvex-plan: <message>" on bad usage
};

// arguments: argv without the program name.
Outcome runCommandLine(const QStringList &arguments);

} // namespace lorvex::cli
