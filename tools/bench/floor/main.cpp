// The floor for start-up timings: a bare Qt Widgets window of the main
// window's size with about as many plain controls, and nothing of Lorvex.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyleFactory>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QWidget window;
    window.setWindowTitle(QStringLiteral("lorvex-floor"));
    window.setFixedSize(576, 511);
    // Eight rows of ten small controls, in the mix the main window has.
    for (int i = 0; i < 80; ++i) {
        QWidget *w = nullptr;
        switch (i % 8) {
        case 0:
            w = new QGroupBox(QStringLiteral("Group"), &window);
            break;
        case 1:
        case 2:
            w = new QLabel(QStringLiteral("Label"), &window);
            break;
        case 3:
        case 4:
            w = new QCheckBox(QString::number(1 << (i % 14)), &window);
            break;
        case 5:
            w = new QLineEdit(QStringLiteral("2048"), &window);
            break;
        case 6:
            w = new QPushButton(QStringLiteral("Button"), &window);
            break;
        default:
            w = new QListWidget(&window);
            break;
        }
        w->setGeometry(8 + (i % 10) * 56, 8 + (i / 10) * 62, 52, 56);
    }
    window.show();
    return app.exec();
}
