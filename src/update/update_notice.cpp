#include "update/update_notice.h"

#include "app/app_context.h"
#include "app/app_icon.h"
#include "app/app_info.h"
#include "app/clock.h"
#include "app/dialog_frame.h"
#include "app/settings.h"
#include "app/shared_state.h"
#include "app/shell.h"
#include "update/schedule.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <exception>

namespace lorvex {

namespace {

// Places in 96-dpi pixels: the group box's panel and the panel's label are
// relative to their holder, the rest to the client area.
constexpr QSize clientSize(354, 171);
constexpr Place places[] = {
    {"SimgeKutusu", 22, 22, 48, 48},
    {"Çerçeve", 90, 16, 243, 73},
    {"Altlik", 6, 16, 231, 51},
    {"Etiket", 4, 4, 223, 43},
    {"GüncellemeKontrolüOnayi", 90, 96, 243, 19},
    {"IndirDüğmesi", 90, 128, 155, 23},
    {"KapatDüğmesi", 250, 128, 83, 23},
};

template <class W> W *placedIn(W *widget, const char *name) { return placed(widget, QString::fromUtf8(name), places); }

} // namespace

GüncellemeFormu::GüncellemeFormu(QWidget *owner, AppContext &ctx) : QDialog(owner, fixedDialogFlags), ctx_(ctx)
{
    setObjectName(QStringLiteral("GüncellemeFormu"));
    setFixedSize(clientSize);
    createControls();
    load();

    centreOver(this, owner);
}

void GüncellemeFormu::createControls()
{
    auto *simge = placedIn(new QLabel(this), "SimgeKutusu");
    simge->setPixmap(iconPicture());
    simge->setAccessibleName(app_info::productName());

    Çerçeve = placedIn(new QGroupBox(this), "Çerçeve");
    Altlik = placedIn(new QWidget(Çerçeve), "Altlik");
    Etiket = placedIn(new QLabel(Altlik), "Etiket");
    Etiket->setWordWrap(true);
    Etiket->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    GüncellemeKontrolüOnayi = placedIn(new QCheckBox(this), "GüncellemeKontrolüOnayi");
    IndirDüğmesi = placedIn(new QPushButton(this), "IndirDüğmesi");
    KapatDüğmesi = placedIn(new QPushButton(this), "KapatDüğmesi");
    IndirDüğmesi->setDefault(true);

    connect(IndirDüğmesi, &QPushButton::clicked, this, [this] { downloadClicked(); });
    connect(KapatDüğmesi, &QPushButton::clicked, this, [this] { reject(); });
}

void GüncellemeFormu::load()
{
    // Each step on its own: a failing one is skipped.
    try {
        fillWithWindowColour(Altlik);
    } catch (const std::exception &) {
    }
    setCaptions();
}

void GüncellemeFormu::setCaptions()
{
    const SharedState &s = ctx_.state;
    try {
        setWindowTitle(s.msg(msg::UpdateNoticeTitle));
        Çerçeve->setTitle(s.msg(msg::NewVersionFrame));
        Etiket->setText(s.msg(msg::NewVersionText));
        GüncellemeKontrolüOnayi->setText(s.msg(msg::DoNotCheckAgain));
        IndirDüğmesi->setText(s.msg(msg::DownloadLatest));
        KapatDüğmesi->setText(s.msg(msg::Close) + QStringLiteral(" (Esc)"));
        Çerçeve->setAccessibleName(Çerçeve->title());
        Etiket->setAccessibleName(Etiket->text());
        for (QAbstractButton *b :
             {static_cast<QAbstractButton *>(GüncellemeKontrolüOnayi), static_cast<QAbstractButton *>(IndirDüğmesi),
              static_cast<QAbstractButton *>(KapatDüğmesi)})
            b->setAccessibleName(b->text());
    } catch (const std::exception &) {
    }
}

void GüncellemeFormu::downloadClicked()
{
    try {
        ctx_.opener.open(app_info::installerUrl());
    } catch (const std::exception &) {
        // Opening is a courtesy; the notice stays as it is.
    }
}

void GüncellemeFormu::done(int result)
{
    if (!closed_) {
        closed_ = true;
        closingSteps();
    }
    QDialog::done(result);
}

void GüncellemeFormu::closingSteps()
{
    SharedState &s = ctx_.state;
    const NoticeClosing closing = noticeClosing(GüncellemeKontrolüOnayi->isChecked(), s.GuncellemeAraligi,
                                                s.SonKontrolTarihi, s.YeniKontrolTarihi, ctx_.clock.today());
    s.GuncellemeAraligi = closing.schedule;
    s.SonKontrolTarihi = closing.lastCheck;
    s.YeniKontrolTarihi = closing.newNext;
    // The close is never refused: a write the store refuses is skipped.
    for (const ScheduleWrite &w : closing.writes) {
        try {
            if (w.date.isValid())
                ctx_.settings.writeDate(w.key, w.date);
            else
                ctx_.settings.write(w.key, w.text);
        } catch (const std::exception &) {
        }
    }
}

} // namespace lorvex
