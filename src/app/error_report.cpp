#include "app/error_report.h"

#include "app/error_text.h"

#include <cstdlib>

namespace lorvex {

ErrorReporter::ErrorReporter(MessagePresenter &boxes, const MessageTable &messages, Terminator terminate)
    : boxes_(boxes), messages_(messages), terminate_(std::move(terminate))
{
    if (!terminate_)
        terminate_ = [](int status) { std::_Exit(status); };
}

void ErrorReporter::show(QWidget *parent, const QString &tag, int number, const QString &description)
{
    boxes_.show(parent, {errorReportText(messages_, tag, number, description), defaultBoxTitle(), QMessageBox::Critical,
                         QMessageBox::Ok, QMessageBox::Ok});
}

void ErrorReporter::report(QWidget *parent, const QString &tag, int number, const QString &description)
{
    show(parent, tag, number, description);
    terminate_(EXIT_FAILURE);
}

void ErrorReporter::reportCurrent(QWidget *parent, const QString &tag, std::exception_ptr failure, bool terminate)
{
    int number = failure_code::unknown;
    QString description;
    try {
        std::rethrow_exception(failure);
    } catch (const Failure &f) {
        number = f.number();
        description = f.description();
    } catch (const std::exception &e) {
        description = QString::fromLocal8Bit(e.what());
    } catch (...) {
        description = QStringLiteral("Unknown failure");
    }
    if (terminate)
        report(parent, tag, number, description);
    else
        show(parent, tag, number, description);
}

} // namespace lorvex
