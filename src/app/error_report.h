#pragma once
// The common report of unexpected failures: a critical box, then the end.

#include "app/failure.h"
#include "app/message_box.h"
#include "app/messages.h"

#include <exception>
#include <functional>

class QWidget;

namespace lorvex {

class ErrorReporter {
public:
    using Terminator = std::function<void(int status)>;

    // The default terminator ends the process at once: no closing steps run,
    // so nothing (not even the window position) is saved.
    ErrorReporter(MessagePresenter &boxes, const MessageTable &messages, Terminator terminate = {});

    // Shows the report and ends the program.
    void report(QWidget *parent, const QString &tag, int number, const QString &description);
    // Shows the report only; the startup sequence stops by itself afterwards.
    void show(QWidget *parent, const QString &tag, int number, const QString &description);

    // Runs op; any failure is reported under tag. Returns whether op completed.
    template <class Op> bool guarded(QWidget *parent, const char *tag, Op &&op)
    {
        try {
            op();
            return true;
        } catch (...) {
            reportCurrent(parent, QString::fromUtf8(tag), std::current_exception(), true);
            return false;
        }
    }

    // For the startup sequence: reports without ending the program.
    void reportCurrent(QWidget *parent, const QString &tag, std::exception_ptr failure, bool terminate);

private:
    MessagePresenter &boxes_;
    const MessageTable &messages_;
    Terminator terminate_;
};

} // namespace lorvex
