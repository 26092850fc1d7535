#include "plan/plan_window.h"

#include "app/dialog_frame.h"
#include "app/message_box.h"
#include "app/settings.h"
#include "app/shared_state.h"
#include "plan/plan_csv.h"
#include "plan/plan_pdf.h"
#include "plan/plan_table.h"
#include "plan/text_table.h"
#include "pll/number_forms.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace lorvex::plan {

namespace {
constexpr QSize minimumWindow(560, 320);
} // namespace

PlanWindow::PlanWindow(QWidget *owner, AppContext &ctx, SaveChooser &chooser, ChannelPlan plan)
    : QDialog(owner), ctx_(ctx), chooser_(chooser), locale_(ctx.settings.locale()), plan_(std::move(plan))
{
    setObjectName(QStringLiteral("PlanWindow"));
    createControls();
}

void PlanWindow::createControls()
{
    const MessageTable &m = ctx_.state.Mesajlar;
    setUpTableWindow(this, m.text(msg::ChannelPlanTitle), minimumWindow);

    summary_ = new QLabel(planSummary(plan_, locale_, m) + QStringLiteral("\n") + settableSummary(plan_, locale_, m),
                          this);
    summary_->setObjectName(QStringLiteral("PlanSummary"));
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    std::vector<QStringList> rows;
    std::vector<bool> dimmed;
    rows.reserve(plan_.rows.size());
    for (const ChannelRow &row : plan_.rows) {
        rows.push_back(planRowTexts(row, locale_, m));
        dimmed.push_back(row.status != ChannelStatus::Ok);
    }
    auto *model = new TextTableModel(planHeadings(plan_, m), std::move(rows), this);
    std::vector<bool> shaded(std::size_t(planValueColumns), false);
    shaded.insert(shaded.end(), plan_.fixedPins.begin(), plan_.fixedPins.end());
    model->setShadedColumns(std::move(shaded));
    model->setDimmedRows(std::move(dimmed));
    table_ = makeTableView(model, this);
    table_->setObjectName(QStringLiteral("PlanTable"));
    // The window's title would be heard twice; the summary tells which plan this is.
    table_->setAccessibleName(summary_->text().replace(QLatin1Char('\n'), QStringLiteral(", ")));
    connect(table_, &QTableView::activated, this, [this](const QModelIndex &index) { rowActivated(index.row()); });

    legend_ = new QLabel(m.text(msg::FixedPinLegend), this);
    legend_->setObjectName(QStringLiteral("FixedPinLegend"));

    copyButton_ = tableWindowButton(this, "CopyButton", m.text(msg::CopyToClipboard));
    csvButton_ = tableWindowButton(this, "SaveCsvButton", m.text(msg::SaveCsv));
    pdfButton_ = tableWindowButton(this, "SavePdfButton", m.text(msg::SavePdf));
    closeButton_ = tableWindowButton(this, "CloseButton", m.text(msg::Close) + QStringLiteral(" (Esc)"));
    connect(copyButton_, &QPushButton::clicked, this, [this] { copyClicked(); });
    connect(csvButton_, &QPushButton::clicked, this, [this] { saveCsvClicked(); });
    connect(pdfButton_, &QPushButton::clicked, this, [this] { savePdfClicked(); });
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(copyButton_);
    buttons->addWidget(csvButton_);
    buttons->addWidget(pdfButton_);
    buttons->addStretch();
    buttons->addWidget(closeButton_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    layout->addWidget(legend_);
    layout->addLayout(buttons);

    sizeToTable(this, table_, 560);
    table_->setFocus();
    if (!plan_.rows.empty())
        table_->setCurrentIndex(model->index(0, 0));
}

void PlanWindow::copyClicked()
{
    QGuiApplication::clipboard()->setText(planTabSeparated(plan_, locale_, ctx_.state.Mesajlar));
}

void PlanWindow::saveCsvClicked()
{
    save(ctx_.state.msg(msg::SaveCsv), QStringLiteral(".csv"), QStringLiteral("CSV (*.csv)"),
         [this](QIODevice &device) {
             const QByteArray bytes = planCsv(plan_);
             return device.write(bytes) == bytes.size();
         });
}

void PlanWindow::savePdfClicked()
{
    save(ctx_.state.msg(msg::SavePdf), QStringLiteral(".pdf"), QStringLiteral("PDF (*.pdf)"),
         [this](QIODevice &device) { return writePlanPdf(device, plan_, locale_, ctx_.state.Mesajlar); });
}

void PlanWindow::save(const QString &title, const QString &suffix, const QString &filter,
                      const std::function<bool(QIODevice &)> &write)
{
    // "PLL 10240 kHz R1024 P1.csv": the plan's own values name it.
    const QString name = QStringLiteral("PLL %1 kHz R%2 P%3")
                             .arg(pll::decimalText(plan_.oscKhz, 3, QLocale::c()))
                             .arg(plan_.r)
                             .arg(plan_.ratio)
                         + suffix;
    const QString path = chooser_.chooseSavePath(this, title, exportFolder() + name, filter);
    if (path.isEmpty())
        return;
    const QString failure = saveWhole(path, write);
    if (failure.isEmpty())
        return;
    ctx_.boxes.show(this,
                    {ctx_.state.msg(msg::FileNotSaved) + QStringLiteral("\n\n") + path + QStringLiteral("\n") + failure,
                     defaultBoxTitle(), QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok});
}

void PlanWindow::rowActivated(int row)
{
    if (row < 0 || std::size_t(row) >= plan_.rows.size())
        return;
    if (plan_.rows[std::size_t(row)].status != ChannelStatus::Ok) {
        ctx_.boxes.warn(this, ctx_.state.msg(msg::ChannelNotSettable));
        return;
    }
    applied_ = row;
    accept();
}

std::optional<int> openPlanWindow(QWidget *owner, AppContext &ctx, SaveChooser &chooser, const BandInputs &band)
{
    const double osc = band.referenceKhz.at(std::size_t(*band.referenceRow));
    PlanWindow window(owner, ctx, chooser, makePlan(osc, band.r, band.ratio, band.inputKhz));
    centreOver(&window, owner);
    window.exec();
    return window.appliedRow();
}

} // namespace lorvex::plan
