#pragma once
// AnaForm, the main window: the two range rows and their lists, the ratio,
// the RA and N bit boxes with their totals, and the lock check that opens the
// result window.
//
// Object names: every control carries its name as objectName. Members of a
// control array carry the array's name, an underscore and the index:
// NOnayi_0 .. NOnayi_13, NEtiketi_0 .. NEtiketi_13, RAOnayi_0 .. RAOnayi_2,
// Çerçeve_0 .. Çerçeve_7, Etiket_0 .. Etiket_11, Altlik_0 .. Altlik_6, and the
// QActions Menü_0, Menü_1 of the QMenu SeçTemizleMenüsü.

#include "app/app_context.h"
#include "plan/band.h"
#include "pll/calculation.h"
#include "pll/list_builder.h"
#include "pll/result_inputs.h"

#include <QLocale>
#include <QWidget>
#include <array>
#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace lorvex {

class RangeEdit;

// No Q_OBJECT: moc cannot read the Turkish names; signals go to lambdas.
class AnaForm : public QWidget {
public:
    // What the window opens but does not own. An empty function does nothing.
    struct Hooks {
        // Runs the result window modally over owner; returns when it is closed.
        std::function<void(QWidget *owner, const ResultInputs &inputs)> openResult;
        // The scheduled update check; its failures are reported under "Form-1".
        std::function<void()> scheduledCheck;
        // The About dialog; its failures are ignored.
        std::function<void()> openAbout;
        // The channel plan over owner; the input row the user chose to apply, if any.
        std::function<std::optional<int>(QWidget *owner, const plan::BandInputs &band)> openPlan;
        // The fit finder over owner; the fit the user chose to apply, if any.
        std::function<std::optional<plan::FitChoice>(QWidget *owner, const plan::BandInputs &band)> openFit;
    };

    // Builds the window and loads it: captions, position, ranges, ratio "1".
    AnaForm(AppContext &ctx, Hooks hooks);
    ~AnaForm() override;

    // Title and captions from the message table; safe to call again after a
    // language change.
    void StringYükle();
    // Shows the window, lets it draw once, then runs the scheduled check.
    void showAndCheck();
    // What the result window reads: selections ("" when none), ratio,
    // reference value and the bit boxes.
    ResultInputs resultInputs() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct RangeRow {
        RangeEdit *start;
        RangeEdit *end;
        RangeEdit *step;
        QListWidget *list;
        const pll::ListParameters &parameters;
    };

    // main_window_layout.cpp: the geometry table and what follows from it.
    void createControls();
    void placeLabels();
    void chainTabOrder();
    void createCommands();
    void setAccessibleNames();

    void connectControls();
    void load();
    void setCaptions();
    void placeWindow();
    void savePosition();

    void DeğerleriHesapla();
    void nBoxChanged(int bit, bool checked);
    void lockCheck();
    void buildList(const RangeRow &row);
    void setAllNBoxes(bool checked);
    void setRequiredN();
    plan::BandInputs bandInputs() const;
    void planClicked();
    void fitClicked();
    void exitClicked();
    void aboutClicked();

    AppContext &ctx_;
    Hooks hooks_;
    const QLocale locale_;
    pll::Calculation calc_;
    // A list being refilled changes its selection without the user.
    bool rebuilding_ = false;
    // Setting N in one step locks once, after the last box.
    bool holdingLock_ = false;

    QPushButton *ÇikişDüğmesi = nullptr;
    QPushButton *HakkindaDüğmesi = nullptr;
    std::array<QGroupBox *, 8> Çerçeve{};
    std::array<QLabel *, 12> Etiket{};
    std::array<QWidget *, 7> Altlik{};
    RangeEdit *ReferansOscBaşlamaKutusu = nullptr;
    RangeEdit *ReferansOscBitişKutusu = nullptr;
    RangeEdit *ReferansOscAdimKutusu = nullptr;
    RangeEdit *GirişFrekansiBaşlamaKutusu = nullptr;
    RangeEdit *GirişFrekansiBitişKutusu = nullptr;
    RangeEdit *GirişFrekansiAdimKutusu = nullptr;
    QPushButton *ReferansListesiYükleDüğmesi = nullptr;
    QPushButton *GirişFrekansiListesiYükleDüğmesi = nullptr;
    QListWidget *ReferansOscListesi = nullptr;
    QListWidget *GirişFrekansiListesi = nullptr;
    QComboBox *GirişFrekansiBölListesi = nullptr;
    QLineEdit *ReferansOscDeğeriKutusu = nullptr;
    QLineEdit *GerekliNToplamiKutusu = nullptr;
    QLineEdit *SeçilenNToplamiKutusu = nullptr;
    std::array<QCheckBox *, pll::nBitCount> NOnayi{};
    std::array<QLabel *, pll::nBitCount> NEtiketi{};
    std::array<QCheckBox *, pll::raBitCount> RAOnayi{};
    QLineEdit *RAToplamiKutusu = nullptr;
    QLabel *KhzEtiketi = nullptr;
    QCheckBox *OnayBilgisi = nullptr;
    QMenu *SeçTemizleMenüsü = nullptr;
    std::array<QAction *, 2> Menü{};
    // Lorvex's own commands: set N in one step (in the N menu), the channel
    // plan and the fit finder (on both lists); each with a window-wide shortcut.
    QAction *setRequiredNAction_ = nullptr;
    QAction *planAction_ = nullptr;
    QAction *fitAction_ = nullptr;
};

} // namespace lorvex
