#pragma once
// SonuçFormu: the modal result window. It reports a locked setting as a
// picture and as text, copies the text and saves the picture as a numbered BMP.
// No Q_OBJECT: moc cannot read its name; signals go to plain members.

#include "app/app_context.h"
#include "pll/result_inputs.h"
#include "result/report.h"

#include <QDialog>
#include <QImage>
#include <QString>
#include <functional>

class QIODevice;
class QLabel;
class QPushButton;

namespace lorvex {

class SonuçFormu final : public QDialog {
public:
    // Writes the picture to a file being made; false when it could not.
    using PictureWriter = std::function<bool(const QImage &picture, QIODevice &file)>;
    static bool writeBmp(const QImage &picture, QIODevice &file);

    // owner is the main window; the window is centred over it.
    SonuçFormu(QWidget *owner, AppContext &ctx, const ResultInputs &inputs, PictureWriter writer = writeBmp);

    // The persistent image of SonuçKutusu, drawn once at opening, at 96 dpi:
    // what is saved. The box shows it redrawn at the screen's pixel ratio.
    const QImage &picture() const { return picture_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void load(const ResultInputs &inputs);
    void setCaptions();
    void showPicture();

    void copyClicked();
    void saveClicked();
    void savePicture();
    bool saved() const;
    void markSaved();

    AppContext &ctx_;
    PictureWriter writer_;

    QLabel *SimgeKutusu = nullptr;
    QLabel *Etiket = nullptr;
    QLabel *SonuçKutusu = nullptr;
    QPushButton *KopyalaDüğmesi = nullptr;
    QPushButton *GörüntüOlarakKaydetDüğmesi = nullptr;
    QPushButton *KapatDüğmesi = nullptr;

    QString OrtakBelgelerKlasoru;
    result::ReportBlocks RaporMetni;
    QImage picture_;
    ResultInputs inputs_; // to draw the picture again for another screen
    bool watchingScreen_ = false;
};

// How the main window opens the report: modally, until the user closes it.
void openResultWindow(QWidget *owner, AppContext &ctx, const ResultInputs &inputs);

} // namespace lorvex
