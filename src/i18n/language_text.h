#pragma once
// How the bytes of a language file become lines of text.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lorvex {

// UTF-8 (one leading BOM skipped); bytes that are not valid UTF-8 are read as
// Windows-1254, the code page older Turkish Windows tools saved in.
QString decodeLanguageBytes(QByteArray bytes);

// Bytes 0x80..0xFF by the Windows-1254 table; its five unassigned bytes give U+FFFD.
QString decodeWindows1254(const QByteArray &bytes);

// Lines end with LF or CR LF; a CR not directly before an LF is text. A final
// line without an end still counts, an empty one after the last end does not.
QStringList splitLanguageLines(const QString &text);

} // namespace lorvex
