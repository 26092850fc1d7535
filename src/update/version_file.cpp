#include "update/version_file.h"

namespace lorvex {

QStringList versionFileLines(const QByteArray &bytes)
{
    // The file is 8-bit text; Latin-1 keeps one character per byte.
    const QString text = QString::fromLatin1(bytes);
    QStringList lines;
    QString line;
    bool open = false; // characters seen since the last line end
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            lines.append(line);
            line.clear();
            open = false;
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            line.append(c);
            open = true;
        }
    }
    if (open)
        lines.append(line);
    return lines;
}

namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

} // namespace

std::optional<int> readVersionField(const QString &text)
{
    // Only spaces and tabs are blanks: a stray LF is part of the field.
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlank(text.at(from)))
        ++from;
    while (to > from && isBlank(text.at(to - 1)))
        --to;
    const QString t = text.mid(from, to - from);
    qsizetype i = 0;
    if (i < t.size() && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-')))
        ++i;
    if (i == t.size())
        return std::nullopt;
    for (qsizetype k = i; k < t.size(); ++k)
        if (t.at(k) < QLatin1Char('0') || t.at(k) > QLatin1Char('9'))
            return std::nullopt;
    bool ok = false;
    const int value = t.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

int publishedVersion(const QByteArray &bytes, int product)
{
    const QStringList lines = versionFileLines(bytes);
    if (lines.isEmpty())
        return 0;
    QString chosen = lines.last();
    for (const QString &line : lines) {
        const std::optional<int> number = readVersionField(line.left(3));
        if (!number || *number == product) {
            chosen = line;
            break;
        }
    }
    return readVersionField(chosen.right(3)).value_or(0);
}

} // namespace lorvex
