#include "app/error_text.h"

namespace lorvex {

QString errorReportText(const MessageTable &messages, const QString &tag, int number, const QString &description)
{
    const QString crlf = QStringLiteral("\r\n");
    const QString space = QStringLiteral(" ");
    return messages.text(msg::CannotContinue) + crlf + messages.text(msg::ErrorCodeLabel) + space
           + QString::number(number) + crlf + messages.text(msg::ErrorPlaceLabel) + space + tag + crlf
           + messages.text(msg::ErrorDescriptionLabel) + space + description;
}

} // namespace lorvex
