#include "result/result_window.h"

#include "app/app_icon.h"
#include "app/app_info.h"
#include "app/dialog_frame.h"
#include "app/error_report.h"
#include "app/error_text.h"
#include "app/failure.h"
#include "app/message_box.h"
#include "app/shared_state.h"
#include "app/shell.h"
#include "result/picture_files.h"
#include "result/report_picture.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include <algorithm>

namespace lorvex {

namespace {

// The window's layout in 96-dpi pixels.
constexpr QSize clientSize(407, 400);
constexpr Place places[] = {
    {"SimgeKutusu", 22, 30, 48, 48},
    {"Etiket", 92, 20, 294, 29},
    {"SonuçKutusu", 92, 56, 294, 285},
    {"KopyalaDüğmesi", 92, 356, 97, 23},
    {"GörüntüOlarakKaydetDüğmesi", 192, 356, 109, 23},
    {"KapatDüğmesi", 303, 356, 83, 23},
};

template <class W> W *placedIn(QWidget *parent, const char *name)
{
    return placed(new W(parent), QString::fromUtf8(name), places);
}

const char savedTag[] = "tag";

} // namespace

bool SonuçFormu::writeBmp(const QImage &picture, QIODevice &file) { return picture.save(&file, "BMP"); }

SonuçFormu::SonuçFormu(QWidget *owner, AppContext &ctx, const ResultInputs &inputs, PictureWriter writer)
    : QDialog(owner, fixedDialogFlags), ctx_(ctx), writer_(writer ? std::move(writer) : PictureWriter(writeBmp))
{
    setObjectName(QStringLiteral("SonuçFormu"));
    setFixedSize(clientSize);
    setModal(true);
    createControls();
    load(inputs);
    centreOver(this, owner);
}

void SonuçFormu::createControls()
{
    SimgeKutusu = placedIn<QLabel>(this, "SimgeKutusu");
    SimgeKutusu->setPixmap(iconPicture());
    SimgeKutusu->setAlignment(Qt::AlignCenter);

    Etiket = placedIn<QLabel>(this, "Etiket");
    Etiket->setWordWrap(true);
    Etiket->setTextFormat(Qt::PlainText);
    Etiket->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    SonuçKutusu = placedIn<QLabel>(this, "SonuçKutusu");
    SonuçKutusu->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SonuçKutusu->setFocusPolicy(Qt::StrongFocus);

    KopyalaDüğmesi = placedIn<QPushButton>(this, "KopyalaDüğmesi");
    GörüntüOlarakKaydetDüğmesi = placedIn<QPushButton>(this, "GörüntüOlarakKaydetDüğmesi");
    GörüntüOlarakKaydetDüğmesi->setProperty(savedTag, QString());
    KapatDüğmesi = placedIn<QPushButton>(this, "KapatDüğmesi");

    setTabOrder(SonuçKutusu, KopyalaDüğmesi);
    setTabOrder(KopyalaDüğmesi, GörüntüOlarakKaydetDüğmesi);
    setTabOrder(GörüntüOlarakKaydetDüğmesi, KapatDüğmesi);
    SonuçKutusu->setFocus();

    connect(KopyalaDüğmesi, &QPushButton::clicked, this, [this] { copyClicked(); });
    connect(GörüntüOlarakKaydetDüğmesi, &QPushButton::clicked, this, [this] { saveClicked(); });
    connect(KapatDüğmesi, &QPushButton::clicked, this, [this] { reject(); });
}

void SonuçFormu::load(const ResultInputs &inputs)
{
    OrtakBelgelerKlasoru = result::documentsFolder();
    setCaptions();

    inputs_ = inputs;
    picture_ = result::drawReportPicture(inputs, ctx_.state.Mesajlar,
                                         placeOf(places, QStringLiteral("SonuçKutusu")).size());
    RaporMetni = result::reportBlocks(inputs, ctx_.state.Mesajlar);
    showPicture();
}

void SonuçFormu::showPicture()
{
    const qreal ratio = SonuçKutusu->devicePixelRatioF();
    const QImage shown = ratio == picture_.devicePixelRatio()
                             ? picture_
                             : result::drawReportPicture(inputs_, ctx_.state.Mesajlar, SonuçKutusu->size(), ratio);
    SonuçKutusu->setPixmap(QPixmap::fromImage(shown));
    // What the picture says, for those who cannot see it.
    SonuçKutusu->setAccessibleDescription(result::joinedReport(RaporMetni));
}

void SonuçFormu::showEvent(QShowEvent *event)
{
    // Only now is the screen known; the window may also move to another one.
    if (!watchingScreen_ && windowHandle()) {
        watchingScreen_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { showPicture(); });
    }
    if (SonuçKutusu->pixmap().devicePixelRatio() != SonuçKutusu->devicePixelRatioF())
        showPicture();
    QDialog::showEvent(event);
}

void SonuçFormu::setCaptions()
{
    setWindowTitle(ctx_.state.msg(msg::ResultTitle));
    SimgeKutusu->setAccessibleName(app_info::productName());
    Etiket->setText(ctx_.state.msg(msg::ResultIntro));
    SonuçKutusu->setAccessibleName(QStringLiteral("Pin ") + ctx_.state.msg(msg::Levels));
    KopyalaDüğmesi->setText(ctx_.state.msg(msg::CopyToClipboard));
    GörüntüOlarakKaydetDüğmesi->setText(ctx_.state.msg(msg::SaveAsBmp));
    KapatDüğmesi->setText(ctx_.state.msg(msg::Close) + QStringLiteral(" (Esc)"));
}

void SonuçFormu::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        KapatDüğmesi->click();
        return;
    }
    // Enter on the picture would press whichever button Qt made the default.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void SonuçFormu::copyClicked()
{
    try {
        if (QClipboard *clipboard = QGuiApplication::clipboard())
            clipboard->setText(result::joinedReport(RaporMetni));
    } catch (...) {
        // Copying is a convenience: the clipboard keeps what it had.
    }
}

bool SonuçFormu::saved() const
{
    return GörüntüOlarakKaydetDüğmesi->property(savedTag).toString() == QLatin1String("1");
}

void SonuçFormu::markSaved() { GörüntüOlarakKaydetDüğmesi->setProperty(savedTag, QStringLiteral("1")); }

void SonuçFormu::saveClicked()
{
    if (saved()) {
        ctx_.boxes.warn(this, ctx_.state.msg(msg::PictureAlreadySaved));
        return;
    }
    ctx_.errors.guarded(this, tags::Form3, [this] { savePicture(); });
}

void SonuçFormu::savePicture()
{
    result::createPictureFolder(OrtakBelgelerKlasoru);
    const QString path = result::freePicturePath(result::pictureFolder(OrtakBelgelerKlasoru),
                                                 [](const QString &p) { return QFileInfo::exists(p); });
    const QString shownPath = QDir::toNativeSeparators(path);
    if (!result::writeNewFile(path, [this](QIODevice &file) { return writer_(picture_, file); }))
        throw Failure(failure_code::pictureWrite, QStringLiteral("Cannot write the picture ") + shownPath);

    if (!QFileInfo::exists(path)) {
        // The writer claimed success but left no file; the flag stays clear for another try.
        ctx_.boxes.show(this, {QString(), ctx_.state.msg(msg::FileNotSaved), QMessageBox::Critical, QMessageBox::Ok,
                               QMessageBox::Ok});
        return;
    }
    markSaved();
    const BoxRequest offer{ctx_.state.msg(msg::PictureSavedOpenNow) + QStringLiteral("\r\n\r\n") + shownPath,
                           defaultBoxTitle(), QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                           QMessageBox::Yes};
    if (ctx_.boxes.show(this, offer) == QMessageBox::Yes)
        ctx_.opener.open(shownPath);
}

void openResultWindow(QWidget *owner, AppContext &ctx, const ResultInputs &inputs)
{
    SonuçFormu form(owner, ctx, inputs);
    form.exec();
}

} // namespace lorvex
