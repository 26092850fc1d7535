#pragma once
// Where saved report pictures go: <documents>/Tavoran/Lorvex/Images/PLL (n).bmp,
// n the lowest free number. Files are never overwritten.

#include <QString>
#include <QStringList>
#include <functional>

class QIODevice;

namespace lorvex::result {

// The user's documents folder (no trailing "/"); the home folder only when
// the desktop names none. It may not exist yet.
QString documentsFolder();

// D/Tavoran, D/Tavoran/Lorvex, D/Tavoran/Lorvex/Images: the levels to create, in order.
QStringList pictureFolderLevels(const QString &documents);
// D + "/Tavoran/Lorvex/Images/"
QString pictureFolder(const QString &documents);

// "PLL (n).bmp"
QString pictureFileName(int n);

using PathExists = std::function<bool(const QString &path)>;

// folder + the lowest free "PLL (n).bmp". The counter is 16-bit: when every
// n from 0 to 32766 is taken it would pass 32767, which throws
// Failure(failure_code::counterOverflow).
QString freePicturePath(const QString &folder, const PathExists &exists);

// Fills a device; false when it could not.
using DeviceWriter = std::function<bool(QIODevice &device)>;

// Makes the file at path whole or not at all: `write` fills a hidden temporary
// file in the same folder, which is renamed to path only when complete, and
// never over an existing file. False when writing or renaming failed; a write
// that produced no bytes leaves no file. No temporary file is left behind.
bool writeNewFile(const QString &path, const DeviceWriter &write);

// Creates the documents folder when it is missing, then each missing level
// of the picture folder, one at a time. Throws Failure(folderCreate).
void createPictureFolder(const QString &documents);

} // namespace lorvex::result
