// Lorvex: a calculator for the MC145151-2 parallel-input PLL frequency synthesizer.
#include "app/command_line.h"
#include "desktop/startup.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    // Answered before QApplication exists: a terminal may have no display,
    // and an answer must not touch the settings or the running copy's lock.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments += QString::fromLocal8Bit(argv[i]);
    if (const std::optional<QString> answer = lorvex::commandLineAnswer(arguments)) {
        const QByteArray text = answer->toLocal8Bit();
        const bool written = std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout)
                             == std::size_t(text.size());
        return written && std::fflush(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
    }

    QApplication app(argc, argv);
    return lorvex::BaşlangiçModülü().run(app);
}
