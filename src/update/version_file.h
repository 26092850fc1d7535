#pragma once
// The maker's version file: one product per line, the product number in the
// first three characters and the published version in the last three.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace lorvex {

// Lines end with CR LF or a lone CR; a lone LF stays inside its line, so a
// file with LF endings only is one line. No line at all for an empty file.
QStringList versionFileLines(const QByteArray &bytes);

// A whole number of at most a few digits, with optional blanks (spaces,
// tabs) around it and an optional sign (" 99" is 99); nothing else.
std::optional<int> readVersionField(const QString &text);

// The published version for product: the first line naming the product, or
// the first line whose product field is no number (the search ends there),
// or else the last line. Its last three characters are the version; 0 when
// they are no number or when the file has no line.
int publishedVersion(const QByteArray &bytes, int product);

} // namespace lorvex
