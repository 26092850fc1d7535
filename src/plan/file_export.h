#pragma once
// Saving a plan or a fit list to a file the user picks: the desktop's save
// dialog behind a seam, the export folder, and writing whole or not at all.

#include <QString>
#include <functional>

class QIODevice;
class QWidget;

namespace lorvex::plan {

class SaveChooser {
public:
    virtual ~SaveChooser() = default;
    // The path the user chose, or empty when cancelled. The dialog itself asks
    // before an existing file is replaced.
    virtual QString chooseSavePath(QWidget *parent, const QString &title, const QString &suggestedPath,
                                   const QString &filter) = 0;
};

class DialogSaveChooser final : public SaveChooser {
public:
    QString chooseSavePath(QWidget *parent, const QString &title, const QString &suggestedPath,
                           const QString &filter) override;
};

// <documents>/Tavoran/Lorvex/, made when missing (a failure only means the
// dialog starts elsewhere).
QString exportFolder();

// Writes through a temporary file in the target folder that is renamed into
// place only when write succeeded; a failure leaves neither file. Returns the
// reason for a failure, empty on success.
QString saveWhole(const QString &path, const std::function<bool(QIODevice &device)> &write);

} // namespace lorvex::plan
