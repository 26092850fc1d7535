#pragma once
// The channel plan window: every channel of the input list for the current
// oscillator, R and P, with its N, its error and its pin levels; fixed pins
// marked; copy, CSV and PDF; a settable row can be applied to the main window.

#include "app/app_context.h"
#include "plan/band.h"
#include "plan/channel_plan.h"
#include "plan/file_export.h"

#include <QDialog>
#include <QLocale>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QTableView;

namespace lorvex::plan {

class PlanWindow final : public QDialog {
public:
    PlanWindow(QWidget *owner, AppContext &ctx, SaveChooser &chooser, ChannelPlan plan);

    // The input row the user applied, once the window has closed that way.
    std::optional<int> appliedRow() const { return applied_; }

private:
    void createControls();
    void copyClicked();
    void saveCsvClicked();
    void savePdfClicked();
    void rowActivated(int row);
    void save(const QString &title, const QString &suffix, const QString &filter,
              const std::function<bool(QIODevice &)> &write);

    AppContext &ctx_;
    SaveChooser &chooser_;
    const QLocale locale_;
    const ChannelPlan plan_;
    std::optional<int> applied_;

    QLabel *summary_ = nullptr;
    QLabel *legend_ = nullptr;
    QTableView *table_ = nullptr;
    QPushButton *copyButton_ = nullptr;
    QPushButton *csvButton_ = nullptr;
    QPushButton *pdfButton_ = nullptr;
    QPushButton *closeButton_ = nullptr;
};

// What the main window's hook runs: the plan for band, modally over owner.
std::optional<int> openPlanWindow(QWidget *owner, AppContext &ctx, SaveChooser &chooser, const BandInputs &band);

} // namespace lorvex::plan
