// A tiny program that hits an unexpected failure inside a guarded operation,
// so the test can watch the process end without any closing steps.
#include "app/error_report.h"
#include "app/error_text.h"
#include "app/settings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QWidget>
#include <cstdio>

using namespace lorvex;

namespace {

class PrintingPresenter final : public MessagePresenter {
public:
    QMessageBox::StandardButton show(QWidget *, const BoxRequest &request) override
    {
        std::fputs(request.text.toUtf8().constData(), stdout);
        std::fflush(stdout);
        return QMessageBox::Ok;
    }
};

class SavingWindow final : public QWidget {
public:
    explicit SavingWindow(Settings &s) : settings_(s) {}

protected:
    void closeEvent(QCloseEvent *e) override
    {
        settings_.write(keys::SolBosluk, QStringLiteral("1"));
        e->accept();
    }

private:
    Settings &settings_;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    Settings settings(QString::fromLocal8Bit(argv[1]), QLocale(QLocale::Turkish, QLocale::Turkey));
    MessageTable messages;
    PrintingPresenter boxes;
    ErrorReporter errors(boxes, messages);
    SavingWindow window(settings);
    window.show();
    errors.guarded(&window, tags::Form1, [&] {
        settings.write(keys::GirisAdim, QStringLiteral("before"));
        throw Failure(42, QStringLiteral("disk full"));
    });
    settings.write(keys::GirisBitis, QStringLiteral("after"));
    window.close();
    return 0;
}
