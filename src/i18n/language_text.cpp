#include "i18n/language_text.h"

#include <QStringDecoder>

namespace lorvex {

namespace {

constexpr char16_t unassigned = 0xFFFD;

// 0x80..0x9F differ from Latin-1 entirely.
constexpr char16_t windows1254Controls[32] = {
    0x20AC,     unassigned, 0x201A, 0x0192, 0x201E, 0x2026,     0x2020,     0x2021,     // 80..87
    0x02C6,     0x2030,     0x0160, 0x2039, 0x0152, unassigned, unassigned, unassigned, // 88..8F
    unassigned, 0x2018,     0x2019, 0x201C, 0x201D, 0x2022,     0x2013,     0x2014,     // 90..97
    0x02DC,     0x2122,     0x0161, 0x203A, 0x0153, unassigned, unassigned, 0x0178,     // 98..9F
};

char16_t windows1254Char(unsigned char b)
{
    if (b >= 0x80 && b < 0xA0)
        return windows1254Controls[b - 0x80];
    switch (b) { // the six Turkish letters that replace Icelandic ones of Latin-1
    case 0xD0:
        return 0x011E; // Ğ
    case 0xDD:
        return 0x0130; // İ
    case 0xDE:
        return 0x015E; // Ş
    case 0xF0:
        return 0x011F; // ğ
    case 0xFD:
        return 0x0131; // ı
    case 0xFE:
        return 0x015F; // ş
    default:
        return b;
    }
}

} // namespace

QString decodeWindows1254(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes)
        text.append(QChar(windows1254Char(static_cast<unsigned char>(c))));
    return text;
}

QString decodeLanguageBytes(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    // Stateless: a sequence cut off at the end is an error, not pending input.
    // ConvertInitialBom: a second BOM is text, so only one is ever skipped.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1254(bytes);
}

QStringList splitLanguageLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype k = 0; k < text.size(); ++k) {
        if (text.at(k) != QLatin1Char('\n'))
            continue;
        qsizetype end = k;
        if (end > start && text.at(end - 1) == QLatin1Char('\r'))
            --end;
        lines.append(text.mid(start, end - start));
        start = k + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

} // namespace lorvex
