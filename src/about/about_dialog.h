#pragma once
// HakkindaFormu, the About dialog: version and legal notice, the update
// status with its check on demand, the update schedule, the language, and the
// maker's links.
//
// Object names: Çerçeve_0 .. Çerçeve_3 (group boxes), Altlik_0 .. Altlik_3
// (their panels), Etiket_0 .. Etiket_8, SimgeKutusu, GüncellemeZamaniKutusu,
// DilDosyasiListesi, WebSayfasiEtiketi, TavoranDosyasiEtiketi, EPostaEtiketi,
// TamamDüğmesi.

#include "app/update_choices.h"

#include <QColor>
#include <QDialog>
#include <array>
#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace lorvex {

struct AppContext;

// No Q_OBJECT: moc cannot read the class name. Every way of closing (the OK
// button, Esc, the close box) ends in done(), which saves the changes once.
class HakkindaFormu final : public QDialog {
public:
    // Owned by and centred over owner (the main window). captionsChanged is
    // the main window's StringYükle, run after a language change.
    HakkindaFormu(QWidget *owner, AppContext &ctx, std::function<void()> captionsChanged);

    void done(int result) override;

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void load();
    void setCaptions();
    void showStatus();
    void statusClicked();
    void manualCheck();
    void saveCheckDay();
    void open(const QString &target);
    void closingSteps();

    AppContext &ctx_;
    std::function<void()> captionsChanged_;

    UpdateResult GuncellemeDurumu = UpdateResult::none;
    QColor BaglantiRengi;
    QString openingLanguage_; // the language entry selected at opening
    bool closed_ = false;

    std::array<QGroupBox *, 4> Çerçeve{};
    std::array<QWidget *, 4> Altlik{};
    std::array<QLabel *, 9> Etiket{};
    QLabel *SimgeKutusu = nullptr;
    QLabel *WebSayfasiEtiketi = nullptr;
    QLabel *TavoranDosyasiEtiketi = nullptr;
    QLabel *EPostaEtiketi = nullptr;
    QComboBox *GüncellemeZamaniKutusu = nullptr;
    QComboBox *DilDosyasiListesi = nullptr;
    QPushButton *TamamDüğmesi = nullptr;
};

// Opens the About dialog modally over owner and returns when it is closed.
// The dialog is a courtesy: any failure is ignored.
void openAboutDialog(QWidget *owner, AppContext &ctx, std::function<void()> captionsChanged);

} // namespace lorvex
