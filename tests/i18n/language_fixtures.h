#pragma once
// Builders for language files in tests: a valid header and numbered message lines.

#include <QByteArray>
#include <QString>

namespace lorvex::test {

inline const QByteArray crlf = QByteArrayLiteral("\r\n");

// Lines 1 to 8: the header with its three report texts, then two ignored lines.
inline QByteArray languageHeader(const QByteArray &message1 = "Load failed", const QByteArray &message2 = "Why:",
                                 const QByteArray &message3 = "No:", const QByteArray &eol = crlf)
{
    return "[Bilgiler]" + eol + "Language=Test" + eol + "Translator=Tester" + eol + "Message1=" + message1 + eol
           + "Message2=" + message2 + eol + "Message3=" + message3 + eol + eol + "; ignored" + eol;
}

// The file's own text for message n: recognisable and never a built-in text.
inline QString fileText(int n) { return QStringLiteral("File text %1").arg(n); }

// Message line i ("0001=File text 101").
inline QByteArray messageLine(int i, const QByteArray &eol = crlf)
{
    return QByteArray::number(i).rightJustified(4, '0') + '=' + fileText(100 + i).toUtf8() + eol;
}

// Valid message lines first..last in order.
inline QByteArray messageLines(int first, int last, const QByteArray &eol = crlf)
{
    QByteArray lines;
    for (int i = first; i <= last; ++i)
        lines += messageLine(i, eol);
    return lines;
}

} // namespace lorvex::test
