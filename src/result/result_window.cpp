#include "result/result_window.h"

#include "app/app_icon.h"

#include "app/app_info.h"
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

#include <algorithm>

namespace lorvex {

namespace {

// The window's layout in 96-dpi pixels.
constexpr QSize clientSize(407, 400);

struct ControlPlace {
    const char *name;
    QRect rect;
};

constexpr ControlPlace places[] = {
    {"SimgeKutusu", QRect(22, 30, 48, 48)},
    {"Etiket", QRect(92, 20, 294, 29)},
    {"SonuçKutusu", QRect(92, 56, 294, 285)},
    {"KopyalaDüğmesi", QRect(92, 356, 97, 23)},
    {"GörüntüOlarakKaydetDüğmesi", QRect(192, 356, 109, 23)},
    {"KapatDüğmesi", QRect(303, 356, 83, 23)},
};

QRect placeOf(const char *name)
{
    for (const ControlPlace &p : places) {
        if (qstrcmp(p.name, name) == 0)
            return p.rect;
    }
    return {};
}

template <class W> W *placed(QWidget *parent, const char *name)
{
    auto *w = new W(parent);
    w->setObjectName(QString::fromUtf8(name));
    w->setGeometry(placeOf(name));
    return w;
}

const char savedTag[] = "tag";

} // namespace

bool SonuçFormu::writeBmp(const QImage &picture, const QString &path) { return picture.save(path, "BMP"); }

SonuçFormu::SonuçFormu(QWidget *owner, AppContext &ctx, const ResultInputs &inputs, PictureWriter writer)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      ctx_(ctx), writer_(writer ? std::move(writer) : PictureWriter(writeBmp))
{
    setObjectName(QStringLiteral("SonuçFormu"));
    setFixedSize(clientSize);
    setModal(true);
    createControls();
    load(inputs);
    centreOver(owner);
}

void SonuçFormu::centreOver(QWidget *owner)
{
    if (!owner)
        return; // Qt centres an ownerless dialog on the screen
    // QDialog's own centring guesses the frame width and lands a few pixels off.
    QRect place(QPoint(), clientSize);
    place.moveCenter(owner->window()->geometry().center());
    // Never out of sight, even when the owner hangs over a screen edge.
    if (const QScreen *screen = owner->screen()) {
        const QRect available = screen->availableGeometry();
        const auto within = [](int start, int low, int high) { return std::clamp(start, low, std::max(low, high)); };
        place.moveLeft(within(place.left(), available.left(), available.right() - place.width() + 1));
        place.moveTop(within(place.top(), available.top(), available.bottom() - place.height() + 1));
    }
    setGeometry(place);
}

void SonuçFormu::createControls()
{
    SimgeKutusu = placed<QLabel>(this, "SimgeKutusu");
    SimgeKutusu->setPixmap(iconPicture());
    SimgeKutusu->setAlignment(Qt::AlignCenter);

    Etiket = placed<QLabel>(this, "Etiket");
    Etiket->setWordWrap(true);
    Etiket->setTextFormat(Qt::PlainText);
    Etiket->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    SonuçKutusu = placed<QLabel>(this, "SonuçKutusu");
    SonuçKutusu->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SonuçKutusu->setFocusPolicy(Qt::StrongFocus);

    KopyalaDüğmesi = placed<QPushButton>(this, "KopyalaDüğmesi");
    GörüntüOlarakKaydetDüğmesi = placed<QPushButton>(this, "GörüntüOlarakKaydetDüğmesi");
    GörüntüOlarakKaydetDüğmesi->setProperty(savedTag, QString());
    KapatDüğmesi = placed<QPushButton>(this, "KapatDüğmesi");

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

    NSeviyeleri = result::nLevels(inputs);
    RASeviyeleri = result::raLevels(inputs);
    picture_ = result::drawReportPicture(inputs, ctx_.state.Mesajlar, placeOf("SonuçKutusu").size());
    SonuçKutusu->setPixmap(QPixmap::fromImage(picture_));
    RaporMetni = result::reportBlocks(inputs, ctx_.state.Mesajlar);
    SonuçKutusu->setAccessibleDescription(result::joinedReport(RaporMetni));
}

void SonuçFormu::setCaptions()
{
    setWindowTitle(ctx_.state.msg(115));
    SimgeKutusu->setAccessibleName(app_info::productName());
    Etiket->setText(ctx_.state.msg(116));
    SonuçKutusu->setAccessibleName(ctx_.state.msg(115));
    KopyalaDüğmesi->setText(ctx_.state.msg(117));
    GörüntüOlarakKaydetDüğmesi->setText(ctx_.state.msg(118));
    KapatDüğmesi->setText(ctx_.state.msg(119) + QStringLiteral(" (Esc)"));
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

bool SonuçFormu::saved() const { return GörüntüOlarakKaydetDüğmesi->property(savedTag).toString() == QLatin1String("1"); }

void SonuçFormu::markSaved() { GörüntüOlarakKaydetDüğmesi->setProperty(savedTag, QStringLiteral("1")); }

void SonuçFormu::saveClicked()
{
    if (saved()) {
        ctx_.boxes.warn(this, ctx_.state.msg(121));
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
    if (!writer_(picture_, path))
        throw Failure(failure_code::pictureWrite, QStringLiteral("Cannot write the picture ") + shownPath);

    if (!QFileInfo::exists(path)) {
        // The writer claimed success but left no file; the flag stays clear for another try.
        ctx_.boxes.show(this, {QString(), ctx_.state.msg(123), QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok});
        return;
    }
    markSaved();
    const BoxRequest offer{ctx_.state.msg(122) + QStringLiteral("\r\n\r\n") + shownPath, defaultBoxTitle(),
                           QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
    if (ctx_.boxes.show(this, offer) == QMessageBox::Yes)
        ctx_.opener.open(shownPath);
}

void openResultWindow(QWidget *owner, AppContext &ctx, const ResultInputs &inputs)
{
    SonuçFormu form(owner, ctx, inputs);
    form.exec();
}

} // namespace lorvex
