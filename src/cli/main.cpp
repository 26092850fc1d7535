// lorvex-plan: channel plans and the fit finder on the command line.
#include "cli/command_line.h"

#include <QString>
#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments += QString::fromLocal8Bit(argv[i]);
    const lorvex::cli::Outcome outcome = lorvex::cli::runCommandLine(arguments);
    const auto size = static_cast<std::size_t>(outcome.out.size());
    const bool written = std::fwrite(outcome.out.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0;
    std::fwrite(outcome.err.constData(), 1, static_cast<std::size_t>(outcome.err.size()), stderr);
    // A full disk or a closed pipe must not pass for a complete table.
    if (!written) {
        std::fputs("lorvex-plan: cannot write the output\n", stderr);
        return lorvex::cli::exitOutputFailed;
    }
    return outcome.exitCode;
}
