#include "plan/file_export.h"

#include "result/picture_files.h"

#include <QDir>
#include <QFileDialog>
#include <QSaveFile>

namespace lorvex::plan {

QString DialogSaveChooser::chooseSavePath(QWidget *parent, const QString &title, const QString &suggestedPath,
                                          const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
}

QString exportFolder()
{
    const QString folder = result::documentsFolder() + QStringLiteral("/Tavoran/Lorvex/");
    QDir().mkpath(folder);
    return folder;
}

QString saveWhole(const QString &path, const std::function<bool(QIODevice &device)> &write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (!write(file)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason.isEmpty() ? QStringLiteral("write failed") : reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace lorvex::plan
