#include "i18n/language_file.h"

#include "i18n/language_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace lorvex {

namespace {

constexpr int headerLines = 6;
constexpr int firstMessageLine = 8;    // index of line 9; lines 7 and 8 are ignored
constexpr qsizetype infoTextStart = 9; // text of "MessageN=" lines starts at character 10

// Each header line must begin with its key, exactly and case-sensitively.
const char *const headerKeys[headerLines] = {"[Bilgiler]", "Language=", "Translator=",
                                             "Message1=",  "Message2=", "Message3="};

LanguageLoadFailure endedEarly()
{
    return {language_file::endsBeforeMessages, QStringLiteral("Input past end of file")};
}

// The line's number as a number reader sees its first four characters:
// blanks are skipped anywhere, reading stops at the first other non-digit.
int lineNumber(QStringView head)
{
    int value = 0;
    bool any = false;
    for (const QChar c : head) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t'))
            continue;
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + (c.unicode() - u'0');
        any = true;
    }
    return any ? value : -1;
}

// The text of message line i, or nothing when the line is not valid for i.
std::optional<QString> messageText(const QString &line, int i)
{
    if (line.size() < 6 || line.at(4) != QLatin1Char('=') || lineNumber(QStringView(line).left(4)) != i)
        return std::nullopt;
    return line.mid(5);
}

// Message line i carries message firstMessage + i - 1.
std::optional<LanguageLoadFailure> parse(const QStringList &lines, int firstMessage, int count, MessageTable &Mesajlar,
                                         std::array<QString, 3> &DilBilgileri)
{
    for (int k = 0; k < headerLines; ++k) {
        if (k >= lines.size())
            return endedEarly();
        if (!lines.at(k).startsWith(QLatin1String(headerKeys[k])))
            return std::nullopt; // not a language file of ours: silently built-in
        if (k >= 3)
            DilBilgileri[std::size_t(k - 3)] = lines.at(k).mid(infoTextStart);
    }
    if (lines.size() < firstMessageLine)
        return endedEarly();
    // A bad line keeps its position: line i is always compared with number i.
    for (int i = 1; i <= count && firstMessageLine + i - 1 < lines.size(); ++i) {
        if (const auto text = messageText(lines.at(firstMessageLine + i - 1), i))
            Mesajlar.set(firstMessage + i - 1, *text);
    }
    return std::nullopt;
}

// The bytes of a language file; nothing for an absent or oversized file
// (failure left empty) or one that cannot be read (failure set).
std::optional<QByteArray> readSmallFile(const QString &path, std::optional<LanguageLoadFailure> &failure)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || info.size() >= language_file::sizeLimit)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        failure = LanguageLoadFailure{language_file::openFailed, file.errorString()};
        return std::nullopt;
    }
    QByteArray bytes = file.read(language_file::sizeLimit);
    if (file.error() != QFileDevice::NoError) {
        failure = LanguageLoadFailure{language_file::readFailed, file.errorString()};
        return std::nullopt;
    }
    if (bytes.size() >= language_file::sizeLimit)
        return std::nullopt; // grew past the limit since it was measured
    return bytes;
}

} // namespace

namespace language_file {

std::optional<LanguageLoadFailure> Load(const QString &path, int count, MessageTable &Mesajlar,
                                        std::array<QString, 3> &DilBilgileri)
{
    // Nothing of the previous language survives; every slot not taken from
    // the file below keeps its built-in text.
    Mesajlar.resetToBuiltIn();
    std::optional<LanguageLoadFailure> failure;
    const std::optional<QByteArray> bytes = readSmallFile(path, failure);
    if (!bytes)
        return failure;
    // A failure comes before any message line, so the table is still all built-in.
    return parse(splitLanguageLines(decodeLanguageBytes(*bytes)), MessageTable::first,
                 std::clamp(count, 0, MessageTable::count), Mesajlar, DilBilgileri);
}

void LoadCompanion(const QString &path, MessageTable &Mesajlar)
{
    std::optional<LanguageLoadFailure> failure;
    const std::optional<QByteArray> bytes = readSmallFile(path, failure);
    if (!bytes)
        return;
    // Its header texts are the main file's business, and a failure comes
    // before any message line: the later texts then simply stay built-in.
    std::array<QString, 3> ignored;
    parse(splitLanguageLines(decodeLanguageBytes(*bytes)), MessageTable::extraFirst, MessageTable::extraCount, Mesajlar,
          ignored);
}

QString failureText(const std::array<QString, 3> &DilBilgileri, const LanguageLoadFailure &failure)
{
    const QString crlf = QStringLiteral("\r\n");
    return DilBilgileri[0] + crlf + crlf + DilBilgileri[1] + QLatin1Char(' ') + failure.description + crlf + crlf
           + DilBilgileri[2] + QLatin1Char(' ') + QString::number(failure.number);
}

} // namespace language_file

QString builtInLanguageName() { return QStringLiteral("Türkçe"); }

QString languageFilePath(const QString &folder, const QString &name)
{
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1String("..")) || name.contains(QChar(u'\0')))
        return {};
    return folder + name + QStringLiteral(".lng");
}

QString companionFilePath(const QString &folder, const QString &name)
{
    const QString path = languageFilePath(folder, name);
    return path.isEmpty() ? path : path + QLatin1Char('x');
}

QStringList listLanguages(const QString &folder)
{
    QStringList names{builtInLanguageName()};
    if (folder.isEmpty())
        return names; // QDir would list the working folder instead
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.lng")},
                                                     QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QString &file : files) {
        if (file.endsWith(QLatin1String("lng"), Qt::CaseSensitive))
            names.append(file.left(file.indexOf(QLatin1Char('.'))));
    }
    return names;
}

} // namespace lorvex
