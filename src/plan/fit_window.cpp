#include "plan/fit_window.h"

#include "app/dialog_frame.h"
#include "app/settings.h"
#include "app/shared_state.h"
#include "plan/plan_table.h"
#include "plan/text_table.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace lorvex::plan {

FitWindow::FitWindow(QWidget *owner, AppContext &ctx, FitSearchResult result)
    : QDialog(owner), ctx_(ctx), locale_(ctx.settings.locale()), result_(std::move(result))
{
    setObjectName(QStringLiteral("FitWindow"));
    createControls();
}

void FitWindow::createControls()
{
    const MessageTable &m = ctx_.state.Mesajlar;
    setUpTableWindow(this, m.text(msg::FitTitle), QSize(480, 280));

    const std::size_t shown = std::min(result_.fits.size(), shownAtMost);
    QString status = m.text(result_.complete ? msg::FitsComplete : msg::FitsNearest) + QLatin1Char(' ')
                     + locale_.toString(qsizetype(result_.fits.size()));
    if (shown < result_.fits.size())
        status += QStringLiteral(" (") + locale_.toString(qsizetype(shown)) + QStringLiteral(" / ")
                  + locale_.toString(qsizetype(result_.fits.size())) + QLatin1Char(')');
    status_ = new QLabel(status, this);
    status_->setObjectName(QStringLiteral("FitStatus"));
    status_->setWordWrap(true);

    std::vector<QStringList> rows;
    rows.reserve(shown);
    for (std::size_t i = 0; i < shown; ++i)
        rows.push_back(fitRowTexts(result_.fits[i], locale_));
    auto *model = new TextTableModel(fitHeadings(m), std::move(rows), this);
    table_ = makeTableView(model, this);
    table_->setObjectName(QStringLiteral("FitTable"));
    table_->setAccessibleName(status); // the window's title would be heard twice
    connect(table_, &QTableView::activated, this, [this] { apply(); });

    applyButton_ = tableWindowButton(this, "ApplyButton", m.text(msg::Apply));
    closeButton_ = tableWindowButton(this, "CloseButton", m.text(msg::Close) + QStringLiteral(" (Esc)"));
    applyButton_->setEnabled(shown > 0);
    connect(applyButton_, &QPushButton::clicked, this, [this] { apply(); });
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(applyButton_);
    buttons->addStretch();
    buttons->addWidget(closeButton_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);

    sizeToTable(this, table_, 420);
    table_->setFocus();
    if (shown > 0)
        table_->setCurrentIndex(model->index(0, 0));
}

void FitWindow::apply()
{
    const QModelIndex current = table_->currentIndex();
    if (!current.isValid() || std::size_t(current.row()) >= std::min(result_.fits.size(), shownAtMost))
        return;
    applied_ = result_.fits[std::size_t(current.row())];
    accept();
}

std::optional<FitChoice> openFitWindow(QWidget *owner, AppContext &ctx, const BandInputs &band)
{
    FitWindow window(owner, ctx, findFits(band.referenceKhz, band.inputKhz));
    centreOver(&window, owner);
    window.exec();
    const std::optional<Fit> fit = window.appliedFit();
    if (!fit)
        return std::nullopt;
    const auto line = std::find(band.referenceKhz.begin(), band.referenceKhz.end(), fit->oscKhz);
    if (line == band.referenceKhz.end())
        return std::nullopt;
    return FitChoice{static_cast<int>(line - band.referenceKhz.begin()), fit->r, fit->ratio};
}

} // namespace lorvex::plan
