#include "result/picture_files.h"

#include "app/app_info.h"
#include "app/failure.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cstdint>
#include <limits>

#include <unistd.h>

namespace lorvex::result {

namespace {

QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

QString below(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

Failure folderFailure(const QString &path)
{
    return Failure(failure_code::folderCreate,
                   QStringLiteral("Cannot create the folder ") + QDir::toNativeSeparators(path));
}

} // namespace

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return withoutTrailingSlash(documents.isEmpty() ? QDir::homePath() : documents);
}

QStringList pictureFolderLevels(const QString &documents)
{
    const QString maker = below(documents, app_info::makerName());
    const QString product = below(maker, app_info::productName());
    return {maker, product, below(product, QStringLiteral("Images"))};
}

QString pictureFolder(const QString &documents) { return pictureFolderLevels(documents).last() + QLatin1Char('/'); }

QString pictureFileName(int n) { return QStringLiteral("PLL (") + QString::number(n) + QStringLiteral(").bmp"); }

QString freePicturePath(const QString &folder, const PathExists &exists)
{
    // The counter is one ahead of the name it checks: the name for 32767 is
    // never tried, because making it overflows the 16-bit counter.
    for (int n = 0; n < std::numeric_limits<std::int16_t>::max(); ++n) {
        const QString path = below(folder, pictureFileName(n));
        if (!exists(path))
            return path;
    }
    throw Failure(failure_code::counterOverflow, QStringLiteral("Overflow"));
}

bool writeNewFile(const QString &path, const DeviceWriter &write)
{
    const QFileInfo target(path);
    // In the target's folder, so the rename is atomic; hidden from file managers meanwhile.
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.") + target.fileName()
                             + QStringLiteral(".XXXXXX"));
    if (!temporary.open())
        return false;
    // The bytes reach the disk before the name does: after a power cut the
    // picture is whole or absent. The destructor removes a temporary file
    // that was not renamed.
    if (!write(temporary) || !temporary.flush() || ::fsync(temporary.handle()) != 0)
        return false;
    if (temporary.size() == 0)
        return true;
    // QFile::rename refuses an existing target; QTemporaryFile::rename would replace it.
    temporary.close();
    if (!QFile::rename(temporary.fileName(), path))
        return false;
    temporary.setAutoRemove(false);
    return true;
}

void createPictureFolder(const QString &documents)
{
    // A fresh account often has no documents folder yet.
    if (!QFileInfo::exists(documents) && !QDir().mkpath(documents))
        throw folderFailure(documents);
    for (const QString &level : pictureFolderLevels(documents)) {
        if (!QFileInfo::exists(level) && !QDir().mkdir(level))
            throw folderFailure(level);
    }
}

} // namespace lorvex::result
