#include "app/error_text.h"

namespace lorvex {

QString errorReportText(const MessageTable &messages, const QString &tag, int number,
                        const QString &description)
{
    const QString crlf = QStringLiteral("\r\n");
    const QString space = QStringLiteral(" ");
    return messages.text(163) + crlf + messages.text(164) + space + QString::number(number) + crlf
           + messages.text(165) + space + tag + crlf + messages.text(166) + space + description;
}

} // namespace lorvex
