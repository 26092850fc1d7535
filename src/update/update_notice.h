#pragma once
// GüncellemeFormu: the modal notice that a newer version has been published.

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace lorvex {

struct AppContext;

// No Q_OBJECT: moc cannot read the class name. Every way of closing (the
// close button, Esc, the close box) ends in done(), which renews the
// schedule exactly once.
class GüncellemeFormu final : public QDialog {
public:
    // Owned by and centred over owner.
    GüncellemeFormu(QWidget *owner, AppContext &ctx);

    void done(int result) override;

private:
    void createControls();
    void load();
    void setCaptions();
    void downloadClicked();
    void closingSteps();

    AppContext &ctx_;
    QGroupBox *Çerçeve = nullptr;
    QWidget *Altlik = nullptr;
    QLabel *Etiket = nullptr;
    QCheckBox *GüncellemeKontrolüOnayi = nullptr;
    QPushButton *IndirDüğmesi = nullptr;
    QPushButton *KapatDüğmesi = nullptr;
    bool closed_ = false;
};

} // namespace lorvex
