#pragma once
// A read-only table of ready-made texts for the plan and fit windows: whole
// columns can be shaded (fixed pins), whole rows dimmed (channels that cannot
// be set). The texts come from the core, so the view only shows them.

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

class QDialog;
class QPushButton;
class QTableView;

namespace lorvex::plan {

class TextTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    TextTableModel(QStringList headings, std::vector<QStringList> rows, QObject *parent);

    void setShadedColumns(std::vector<bool> shaded) { shaded_ = std::move(shaded); }
    void setDimmedRows(std::vector<bool> dimmed) { dimmed_ = std::move(dimmed); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const QStringList &headings() const { return headings_; }
    const std::vector<QStringList> &rows() const { return rows_; }

private:
    QStringList headings_;
    std::vector<QStringList> rows_;
    std::vector<bool> shaded_;
    std::vector<bool> dimmed_;
};

// A view for model: whole rows selected, no editing, columns as wide as
// their widest text (measured, not asked of every cell), the headings fixed.
QTableView *makeTableView(TextTableModel *model, QWidget *parent);

// What the plan and fit windows share: the title (also their accessible
// name), a size grip and a minimum size.
void setUpTableWindow(QDialog *window, const QString &title, QSize minimum);
// A button that never takes Enter: in these windows Enter applies the row.
QPushButton *tableWindowButton(QWidget *parent, const char *name, const QString &text);
// Wide enough for every column of table, within nine tenths of the screen.
void sizeToTable(QDialog *window, const QTableView *table, int height);

} // namespace lorvex::plan
