#include "app/command_line.h"

#include "app/app_info.h"

namespace lorvex {

std::optional<QString> commandLineAnswer(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--version"))
            return app_info::productName() + QLatin1Char(' ') + app_info::fullVersion() + QLatin1Char('\n');
        if (argument == QLatin1String("--help"))
            return QStringLiteral("Usage: lorvex [--help | --version]\n"
                                  "\n"
                                  "Lorvex works out the programming pins of an MC145151-2 PLL frequency\n"
                                  "synthesizer. Without an option it opens its window; other arguments are\n"
                                  "ignored.\n"
                                  "\n"
                                  "  --help     print this help and exit\n"
                                  "  --version  print the program's name and version and exit\n");
    }
    return std::nullopt;
}

} // namespace lorvex
