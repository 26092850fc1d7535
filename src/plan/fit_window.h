#pragma once
// The fit finder window: which oscillator of the reference list, which R and
// which ratio give every channel of the input list a whole, settable N, best
// first; applying one sets them on the main window.

#include "app/app_context.h"
#include "plan/band.h"
#include "plan/fit_search.h"

#include <QDialog>
#include <QLocale>
#include <optional>

class QLabel;
class QPushButton;
class QTableView;

namespace lorvex::plan {

class FitWindow final : public QDialog {
public:
    FitWindow(QWidget *owner, AppContext &ctx, FitSearchResult result);

    // The fit the user applied, once the window has closed that way.
    std::optional<Fit> appliedFit() const { return applied_; }

    // More rows would only slow the window; the best come first anyway.
    static constexpr std::size_t shownAtMost = 500;

private:
    void createControls();
    void apply();

    AppContext &ctx_;
    const QLocale locale_;
    const FitSearchResult result_;
    std::optional<Fit> applied_;

    QLabel *status_ = nullptr;
    QTableView *table_ = nullptr;
    QPushButton *applyButton_ = nullptr;
    QPushButton *closeButton_ = nullptr;
};

// What the main window's hook runs: the search over band, then the window.
std::optional<FitChoice> openFitWindow(QWidget *owner, AppContext &ctx, const BandInputs &band);

} // namespace lorvex::plan
