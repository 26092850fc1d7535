// Lorvex: a calculator for the MC145151-2 parallel-input PLL frequency synthesizer.
#include "desktop/startup.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return lorvex::BaşlangiçModülü().run(app);
}
