#include "about/about_dialog.h"

#include "about/about_rules.h"
#include "app/app_context.h"
#include "app/app_icon.h"
#include "app/app_info.h"
#include "app/clock.h"
#include "app/dialog_frame.h"
#include "app/error_report.h"
#include "app/error_text.h"
#include "app/message_box.h"
#include "app/settings.h"
#include "app/shared_state.h"
#include "app/shell.h"
#include "i18n/language_file.h"
#include "i18n/language_loader.h"
#include "update/schedule.h"
#include "update/version_checker.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

namespace lorvex {

namespace {

// Places in 96-dpi pixels. Frames, the icon and the button stand in the
// client area, each panel in its frame, the other controls in their panel.
constexpr QSize clientSize(474, 444);
constexpr Place places[] = {
    {"SimgeKutusu", 28, 28, 48, 48},
    {"TamamDüğmesi", 370, 380, 83, 23},
    // Frames, and the panels covering their content area below the title.
    {"Çerçeve_0", 94, 16, 257, 115},
    {"Çerçeve_1", 94, 144, 257, 79},
    {"Çerçeve_2", 94, 236, 257, 79},
    {"Çerçeve_3", 94, 328, 257, 95},
    {"Altlik_0", 3, 18, 251, 94},
    {"Altlik_1", 3, 18, 251, 58},
    {"Altlik_2", 3, 18, 251, 58},
    {"Altlik_3", 3, 18, 251, 74},
    // Version: title, version, legal notice, then the update status apart.
    {"Etiket_0", 16, 6, 229, 15},
    {"Etiket_1", 16, 22, 229, 15},
    {"Etiket_3", 16, 38, 229, 15},
    {"Etiket_2", 16, 64, 229, 15},
    // Schedule and language: a label over its list.
    {"Etiket_4", 16, 8, 189, 15},
    {"GüncellemeZamaniKutusu", 16, 26, 189, 21},
    {"Etiket_5", 16, 8, 189, 15},
    {"DilDosyasiListesi", 16, 26, 189, 21},
    // Web: a caption column and a link column.
    {"Etiket_6", 10, 8, 84, 15},
    {"WebSayfasiEtiketi", 100, 8, 147, 15},
    {"Etiket_7", 10, 30, 84, 15},
    {"TavoranDosyasiEtiketi", 100, 30, 147, 15},
    {"Etiket_8", 10, 52, 84, 15},
    {"EPostaEtiketi", 100, 52, 147, 15},
};

const QColor titleColour(72, 72, 72);
const QColor linkColour(80, 70, 230);
const QColor upToDateColour(30, 130, 30);

template <class W> W *placedIn(W *widget, const QString &name) { return placed(widget, name, places); }

QString indexed(const char *array, int i) { return QString::fromUtf8(array) + QLatin1Char('_') + QString::number(i); }

void setTextColour(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

void setUnderline(QWidget *w, bool on)
{
    QFont f = w->font();
    f.setUnderline(on);
    w->setFont(f);
}

// A link's pointer belongs over its text only, not over the empty rest of
// its place; the table gives the widest it may get.
void fitToText(QLabel *label)
{
    const QRect place = placeOf(places, label->objectName());
    const int widest = place.isNull() ? label->width() : place.width();
    label->resize(qMin(widest, label->sizeHint().width()), label->height());
}

} // namespace

HakkindaFormu::HakkindaFormu(QWidget *owner, AppContext &ctx, std::function<void()> captionsChanged)
    : QDialog(owner, fixedDialogFlags), ctx_(ctx), captionsChanged_(std::move(captionsChanged))
{
    setObjectName(QStringLiteral("HakkindaFormu"));
    setFixedSize(clientSize);
    createControls();
    ctx_.errors.guarded(this, tags::Form2, [this] { load(); });

    centreOver(this, owner);
}

void HakkindaFormu::createControls()
{
    SimgeKutusu = placedIn(new QLabel(this), QStringLiteral("SimgeKutusu"));
    SimgeKutusu->setPixmap(iconPicture());
    SimgeKutusu->setAccessibleName(app_info::productName());

    for (int i = 0; i < 4; ++i) {
        Çerçeve[i] = placedIn(new QGroupBox(this), indexed("Çerçeve", i));
        Altlik[i] = placedIn(new QWidget(Çerçeve[i]), indexed("Altlik", i));
    }
    const int panelOf[9] = {0, 0, 0, 0, 1, 2, 3, 3, 3};
    for (int i = 0; i < 9; ++i)
        Etiket[i] = placedIn(new QLabel(Altlik[panelOf[i]]), indexed("Etiket", i));

    GüncellemeZamaniKutusu = placedIn(new QComboBox(Altlik[1]), QStringLiteral("GüncellemeZamaniKutusu"));
    DilDosyasiListesi = placedIn(new QComboBox(Altlik[2]), QStringLiteral("DilDosyasiListesi"));
    WebSayfasiEtiketi = placedIn(new QLabel(Altlik[3]), QStringLiteral("WebSayfasiEtiketi"));
    TavoranDosyasiEtiketi = placedIn(new QLabel(Altlik[3]), QStringLiteral("TavoranDosyasiEtiketi"));
    EPostaEtiketi = placedIn(new QLabel(Altlik[3]), QStringLiteral("EPostaEtiketi"));
    Etiket[4]->setBuddy(GüncellemeZamaniKutusu);
    Etiket[5]->setBuddy(DilDosyasiListesi);

    TamamDüğmesi = placedIn(new QPushButton(this), QStringLiteral("TamamDüğmesi"));
    TamamDüğmesi->setDefault(true);
    connect(TamamDüğmesi, &QPushButton::clicked, this, [this] { accept(); });

    // The links answer the keyboard as well: Tab reaches them, Enter or Space
    // clicks, and a tint marks the one with the focus.
    for (QLabel *clickable : {Etiket[2], WebSayfasiEtiketi, TavoranDosyasiEtiketi, EPostaEtiketi}) {
        clickable->installEventFilter(this);
        clickable->setFocusPolicy(Qt::TabFocus);
        QPalette p = clickable->palette();
        QColor tint = p.color(QPalette::Highlight);
        tint.setAlpha(60);
        p.setColor(QPalette::Window, tint);
        clickable->setPalette(p);
    }
}

void HakkindaFormu::load()
{
    SharedState &s = ctx_.state;
    // 1. Panels in the dialog's own colour.
    for (QWidget *panel : Altlik)
        fillWithWindowColour(panel);
    // 2. The title.
    setTextColour(Etiket[0], titleColour);
    QFont bold = Etiket[0]->font();
    bold.setBold(true);
    Etiket[0]->setFont(bold);
    // 3. The links.
    BaglantiRengi = linkColour;
    for (QLabel *link : {WebSayfasiEtiketi, TavoranDosyasiEtiketi, EPostaEtiketi}) {
        setTextColour(link, BaglantiRengi);
        setUnderline(link, true);
        link->setCursor(Qt::PointingHandCursor);
    }
    // 4. Captions.
    setCaptions();
    // 5.-7. The update status, with rules A and B.
    const about::OpeningStatus opening =
        about::openingStatus(ctx_.settings.readUpdateResult(), s.SonKontrolTarihi == ctx_.clock.today(),
                             s.SurumNumarasi, [&] { return ctx_.settings.readPublishedVersion(s.SurumNumarasi); });
    GuncellemeDurumu = opening.state;
    if (opening.save)
        ctx_.settings.write(keys::GuncellemeSonucu, storedText(GuncellemeDurumu));
    // 8.
    showStatus();
    // 9. The schedule, listed in the order of the stored numbers.
    GüncellemeZamaniKutusu->addItems({s.msg(msg::Never), s.msg(msg::Weekly), s.msg(msg::Monthly)});
    GüncellemeZamaniKutusu->setCurrentIndex(static_cast<int>(s.GuncellemeAraligi));
    // 10.-11. The languages, the current one selected by its exact name.
    const QStringList languages = listLanguages(s.DilKlasoru);
    DilDosyasiListesi->addItems(languages);
    DilDosyasiListesi->setCurrentIndex(about::openingLanguageIndex(languages, s.DilAdi, builtInLanguageName()));
    openingLanguage_ = DilDosyasiListesi->currentText();
}

void HakkindaFormu::setCaptions()
{
    const SharedState &s = ctx_.state;
    setWindowTitle(s.msg(msg::About));
    const int frameMessage[4] = {msg::VersionFrame, msg::UpdateFrame, msg::LanguageFileFrame, msg::WebFrame};
    for (int i = 0; i < 4; ++i)
        Çerçeve[i]->setTitle(s.msg(frameMessage[i]));
    Etiket[0]->setText(app_info::productName());
    Etiket[1]->setText(QStringLiteral("Sürüm ") + app_info::versionCaption());
    Etiket[3]->setText(app_info::legalNotice());
    Etiket[4]->setText(s.msg(msg::CheckForUpdates));
    Etiket[5]->setText(s.msg(msg::ChooseLanguageFile));
    Etiket[6]->setText(s.msg(msg::WebPageLabel));
    Etiket[7]->setText(s.msg(msg::MakerFileLabel));
    Etiket[8]->setText(s.msg(msg::EmailLabel));
    TamamDüğmesi->setText(s.msg(msg::Ok));

    WebSayfasiEtiketi->setText(about::shownAddress(app_info::webPageUrl()));
    TavoranDosyasiEtiketi->setText(about::shownAddress(app_info::installerUrl()));
    EPostaEtiketi->setText(app_info::supportEmail());
    for (QLabel *link : {WebSayfasiEtiketi, TavoranDosyasiEtiketi}) {
        link->setToolTip(link == WebSayfasiEtiketi ? app_info::webPageUrl() : app_info::installerUrl());
        fitToText(link);
    }
    fitToText(EPostaEtiketi);

    for (QGroupBox *frame : Çerçeve)
        frame->setAccessibleName(frame->title());
    for (QLabel *label : Etiket)
        label->setAccessibleName(label->text());
    WebSayfasiEtiketi->setAccessibleName(Etiket[6]->text() + QLatin1Char(' ') + WebSayfasiEtiketi->text());
    TavoranDosyasiEtiketi->setAccessibleName(Etiket[7]->text() + QLatin1Char(' ') + TavoranDosyasiEtiketi->text());
    EPostaEtiketi->setAccessibleName(Etiket[8]->text() + QLatin1Char(' ') + EPostaEtiketi->text());
    GüncellemeZamaniKutusu->setAccessibleName(Etiket[4]->text());
    DilDosyasiListesi->setAccessibleName(Etiket[5]->text());
    TamamDüğmesi->setAccessibleName(TamamDüğmesi->text());
}

void HakkindaFormu::showStatus()
{
    const auto look = about::statusLook(GuncellemeDurumu);
    if (!look)
        return; // only a damaged setting gets here: the label keeps its design
    QLabel *label = Etiket[2];
    label->setText(ctx_.state.msg(look->message));
    // Its frame tells it from the schedule's label, which may read the same.
    label->setAccessibleName(Çerçeve[0]->title() + QStringLiteral(", ") + label->text());
    label->setFocusPolicy(look->link ? Qt::TabFocus : Qt::NoFocus);
    setTextColour(label, look->link ? BaglantiRengi : upToDateColour);
    setUnderline(label, look->link);
    if (look->link)
        label->setCursor(Qt::PointingHandCursor);
    else
        label->unsetCursor();
    fitToText(label);
}

bool HakkindaFormu::eventFilter(QObject *watched, QEvent *event)
{
    auto *label = static_cast<QLabel *>(watched);
    bool clicked = false;
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        clicked = mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint());
    } else if (event->type() == QEvent::KeyPress) {
        // Enter here clicks the link, not the dialog's default button.
        const int key = static_cast<QKeyEvent *>(event)->key();
        clicked = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    } else if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        label->setAutoFillBackground(event->type() == QEvent::FocusIn);
    }
    if (!clicked)
        return QDialog::eventFilter(watched, event);
    if (label == Etiket[2])
        ctx_.errors.guarded(this, tags::Form2, [this] { statusClicked(); });
    else if (label == WebSayfasiEtiketi)
        open(app_info::webPageUrl());
    else if (label == TavoranDosyasiEtiketi)
        open(app_info::installerUrl());
    else if (label == EPostaEtiketi)
        open(QStringLiteral("mailto:") + EPostaEtiketi->text());
    return true;
}

void HakkindaFormu::statusClicked()
{
    switch (GuncellemeDurumu) {
    case UpdateResult::none:
        manualCheck();
        break;
    case UpdateResult::newerFound:
        open(app_info::installerUrl());
        saveCheckDay();
        break;
    case UpdateResult::upToDate:
        break;
    default:
        saveCheckDay();
        break;
    }
}

void HakkindaFormu::manualCheck()
{
    QLabel *label = Etiket[2];
    label->unsetCursor();
    label->hide();
    QCoreApplication::processEvents(); // the label leaves the screen before the wait
    // The check shows the wait cursor while it downloads.
    const int answer = ctx_.checker.SurumKontrolEt(ctx_.updateTempPath, app_info::UrunNumarasi);
    const about::CheckOutcome outcome = about::checkOutcome(answer, ctx_.state.SurumNumarasi);
    if (outcome.warning) {
        ctx_.boxes.warn(this, ctx_.state.msg(outcome.warning));
        showStatus(); // still the offer to check, pointer included
        label->show();
        return;
    }
    GuncellemeDurumu = outcome.state;
    if (GuncellemeDurumu == UpdateResult::newerFound)
        ctx_.settings.write(keys::SurumBilgisi, QString::number(answer));
    showStatus();
    label->show();
    saveCheckDay();
}

void HakkindaFormu::saveCheckDay()
{
    ctx_.state.SonKontrolTarihi = ctx_.clock.today();
    ctx_.settings.writeDate(keys::GuncellemeTarihi, ctx_.state.SonKontrolTarihi);
    ctx_.settings.write(keys::GuncellemeSonucu, storedText(GuncellemeDurumu));
}

void HakkindaFormu::open(const QString &target)
{
    try {
        ctx_.opener.open(target);
    } catch (...) {
        // Opening is a courtesy; the dialog stays as it is.
    }
}

bool HakkindaFormu::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && TamamDüğmesi)
        TamamDüğmesi->setFocus(Qt::ActiveWindowFocusReason);
    return QDialog::event(event);
}

void HakkindaFormu::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    TamamDüğmesi->setFocus(Qt::ActiveWindowFocusReason);
}

void HakkindaFormu::done(int result)
{
    if (!closed_) {
        closed_ = true;
        closingSteps();
    }
    QDialog::done(result);
}

void HakkindaFormu::closingSteps()
{
    SharedState &s = ctx_.state;
    // Each step on its own: a failing one is skipped, the close goes on.
    auto step = [](auto &&op) {
        try {
            op();
        } catch (...) {
        }
    };

    if (const auto schedule = about::changedSchedule(GüncellemeZamaniKutusu->currentIndex(), s.GuncellemeAraligi)) {
        step([&] { s.GuncellemeAraligi = *schedule; });
        step([&] { s.YeniKontrolTarihi = nextCheckDate(ctx_.clock.today(), *schedule, s.YeniKontrolTarihi); });
        // "Never" keeps the due date; with none computed yet the stored one stays.
        step([&] {
            if (s.YeniKontrolTarihi.isValid())
                ctx_.settings.writeDate(keys::GuncellemeKontrolu, s.YeniKontrolTarihi);
        });
        step([&] { ctx_.settings.write(keys::GuncellemeZamani, storedText(*schedule)); });
    }

    if (const auto language = about::changedLanguage(DilDosyasiListesi->currentIndex(),
                                                     DilDosyasiListesi->currentText(), openingLanguage_)) {
        step([&] { s.DilAdi = *language; });
        step([&] { loadLanguageByName(s, ctx_.boxes, this, *language); });
        step([&] { ctx_.settings.write(keys::DilDosyasi, *language); });
        step([&] {
            if (captionsChanged_)
                captionsChanged_();
        });
    }
}

void openAboutDialog(QWidget *owner, AppContext &ctx, std::function<void()> captionsChanged)
{
    try {
        HakkindaFormu dialog(owner, ctx, std::move(captionsChanged));
        dialog.exec();
    } catch (...) {
        // The About dialog is a courtesy; the main window goes on without it.
    }
}

} // namespace lorvex
