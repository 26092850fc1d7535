#include "plan/text_table.h"

#include <QApplication>
#include <QColor>
#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLayout>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <algorithm>

namespace lorvex::plan {

TextTableModel::TextTableModel(QStringList headings, std::vector<QStringList> rows, QObject *parent)
    : QAbstractTableModel(parent), headings_(std::move(headings)), rows_(std::move(rows))
{
}

int TextTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TextTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(headings_.size());
}

QVariant TextTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const auto row = std::size_t(index.row());
    const auto column = std::size_t(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return rows_[row].value(index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (column < shaded_.size() && shaded_[column])
            return QColor(225, 235, 250); // as the PDF marks fixed pins
        return {};
    case Qt::ForegroundRole:
        if (row < dimmed_.size() && dimmed_[row])
            return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        return {};
    default:
        return {};
    }
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == Qt::AccessibleTextRole))
        return headings_.value(section);
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return section + 1;
    return {};
}

QTableView *makeTableView(TextTableModel *model, QWidget *parent)
{
    auto *view = new QTableView(parent);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->setTabKeyNavigation(false); // Tab leaves the table for the buttons
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);

    const QFontMetrics metrics(view->font());
    QFont boldFont = view->horizontalHeader()->font();
    boldFont.setBold(true);
    const QFontMetrics headingMetrics(boldFont);
    constexpr int padding = 16;
    for (int c = 0; c < model->columnCount(); ++c) {
        // Digits share one width, so the longest text is the widest: measuring
        // only it keeps a 501-row plan quick to open.
        QString longest;
        for (const QStringList &texts : model->rows())
            if (texts.value(c).size() > longest.size())
                longest = texts.value(c);
        const int widest = std::max(headingMetrics.horizontalAdvance(model->headings()[c]),
                                    metrics.horizontalAdvance(longest));
        view->setColumnWidth(c, widest + padding);
    }
    return view;
}

void setUpTableWindow(QDialog *window, const QString &title, QSize minimum)
{
    window->setWindowTitle(title);
    window->setAccessibleName(title);
    window->setSizeGripEnabled(true);
    window->setMinimumSize(minimum);
}

QPushButton *tableWindowButton(QWidget *parent, const char *name, const QString &text)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);
    return button;
}

void sizeToTable(QDialog *window, const QTableView *table, int height)
{
    const int margin = window->layout() ? window->layout()->contentsMargins().left() : 0;
    int wanted = table->verticalHeader()->sizeHint().width() + 4 * margin;
    for (int c = 0; c < table->model()->columnCount(); ++c)
        wanted += table->columnWidth(c);
    const QWidget *owner = window->parentWidget();
    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    window->resize(std::clamp(wanted, window->minimumWidth(),
                              std::max(window->minimumWidth(), available.width() * 9 / 10)),
                   std::clamp(height, window->minimumHeight(),
                              std::max(window->minimumHeight(), available.height() * 9 / 10)));
}

} // namespace lorvex::plan
