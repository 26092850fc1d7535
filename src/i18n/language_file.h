#pragma once
// Localisation: language files ("<name>.lng" in the languages folder) refill
// the message table; the built-in Turkish texts fill whatever a file lacks.

#include "app/messages.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace lorvex {

// Why a language file could not be read; shown in the loader's own box.
struct LanguageLoadFailure {
    int number = 0;
    QString description;
};

namespace language_file {

// A file of this many bytes or more is ignored as if it were absent.
inline constexpr qint64 sizeLimit = 3000;
// Failure numbers of the loader.
inline constexpr int openFailed = 1006;
inline constexpr int readFailed = 1005;
inline constexpr int endsBeforeMessages = 62; // the classic "Input past end of file"

// Rebuilds Mesajlar from the file at path: the first count messages (at most
// 69) may come from the file, every other slot holds its built-in text.
// DilBilgileri takes the header's Message1..3 texts as far as the header is
// read. No file, an oversized file or a wrong header fall back silently; a
// file that cannot be opened or read, or ends before its messages begin,
// returns the failure to report, with the table on its built-in texts.
std::optional<LanguageLoadFailure> Load(const QString &path, int count, MessageTable &Mesajlar,
                                        std::array<QString, 3> &DilBilgileri);

// Messages 170 onwards from a language's companion file (same layout; its
// first message line carries 170), after Load has reset the table. Every
// failure is silent: those texts then stay built-in.
void LoadCompanion(const QString &path, MessageTable &Mesajlar);

// The failure box text, in the words the language file gave for it.
QString failureText(const std::array<QString, 3> &DilBilgileri, const LanguageLoadFailure &failure);

} // namespace language_file

// The built-in language, offered first and backed by no file.
QString builtInLanguageName();

// folder + name + ".lng"; empty for a name that could leave the folder
// ("/", "..") or name no file (NUL), so such a name loads the built-in texts.
QString languageFilePath(const QString &folder, const QString &name);

// folder + name + ".lngx": not listed as a language, since it does not end in "lng".
QString companionFilePath(const QString &folder, const QString &name);

// "Türkçe", then one entry per "*.lng" file of folder (hidden ones too) in
// directory order: the file name up to its first ".". Names must end in
// "lng" exactly, letter case counting.
QStringList listLanguages(const QString &folder);

} // namespace lorvex
