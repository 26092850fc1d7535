#include "desktop/startup.h"

#include "about/about_dialog.h"
#include "app/app_context.h"
#include "app/app_icon.h"
#include "app/app_info.h"
#include "app/clock.h"
#include "app/error_report.h"
#include "app/error_text.h"
#include "app/message_box.h"
#include "app/settings.h"
#include "app/shell.h"
#include "app/single_instance.h"
#include "i18n/language_loader.h"
#include "i18n/languages_folder.h"
#include "plan/file_export.h"
#include "plan/fit_window.h"
#include "plan/plan_window.h"
#include "pll/main_window.h"
#include "result/result_window.h"
#include "update/http_version_checker.h"
#include "update/scheduled_check.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace lorvex {

BaşlangiçModülü::BaşlangiçModülü(StartupSeams seams) : seams_(std::move(seams)) {}

BaşlangiçModülü::~BaşlangiçModülü() = default;

void installQtTranslations(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

int BaşlangiçModülü::run(QApplication &app)
{
    // Names the cache and runtime folders; the settings file is placed by Settings.
    QCoreApplication::setOrganizationName(app_info::makerName());
    QCoreApplication::setApplicationName(app_info::productName());
    QGuiApplication::setDesktopFileName(app_info::applicationId());
    installQtTranslations(app);

    // Step 1: everything below reports under "Module-1".
    MessagePresenter *boxes = seams_.boxes;
    if (!boxes) {
        ownBoxes_ = std::make_unique<QtMessagePresenter>();
        boxes = ownBoxes_.get();
    }
    errors_ = std::make_unique<ErrorReporter>(*boxes, state.Mesajlar);
    try {
        return startup(app);
    } catch (...) {
        errors_->reportCurrent(nullptr, QString::fromLatin1(tags::Module1), std::current_exception(), false);
        return EXIT_FAILURE;
    }
}

int BaşlangiçModülü::startup(QApplication &app)
{
    OrtakDenetimleriBaslat();

    settings_ = seams_.settingsPath.isEmpty() ? std::make_unique<Settings>()
                                              : std::make_unique<Settings>(seams_.settingsPath);

    state.DilKlasoru = seams_.languagesFolder.isEmpty() ? resolveLanguagesFolder() : seams_.languagesFolder;

    state.DilAdi = settings_->read(keys::DilDosyasi);

    MessagePresenter &boxes = seams_.boxes ? *seams_.boxes : *ownBoxes_;
    loadLanguageByName(state, boxes, nullptr, state.DilAdi);

    // Step 8: a second copy brings the first forward and ends, writing nothing.
    // The running copy is found by the program's identity: its title may have
    // changed with the language since it started.
    instance_ = std::make_unique<SingleInstance>(app_info::applicationId());
    if (!instance_->tryBecomePrimary()) {
        instance_->askPrimaryToActivate();
        return EXIT_SUCCESS;
    }

    state.SurumNumarasi = app_info::versionNumber();

    readSchedule();

    if (!seams_.opener)
        ownOpener_ = std::make_unique<DesktopOpener>();
    if (!seams_.checker)
        ownChecker_ = std::make_unique<HttpVersionChecker>(QUrl(app_info::versionFileUrl()), isOnline);
    context_ = std::make_unique<AppContext>(
        AppContext{state, *settings_, boxes, *errors_, seams_.clock ? *seams_.clock : *ownClock_,
                   seams_.opener ? *seams_.opener : *ownOpener_, seams_.checker ? *seams_.checker : *ownChecker_,
                   updateTempPath()});
    saveChooser_ = std::make_unique<plan::DialogSaveChooser>();

    AnaForm::Hooks hooks;
    hooks.openResult = [this](QWidget *owner, const ResultInputs &inputs) {
        openResultWindow(owner, *context_, inputs);
    };
    hooks.scheduledCheck = [this] {
        // Decoding the icon's sizes costs milliseconds; the window needs it
        // only once it is on screen, and the dialogs after that.
        QApplication::setWindowIcon(applicationIcon());
        runScheduledCheck(mainWindow_.get(), *context_);
    };
    hooks.openAbout = [this] { openAbout(); };
    hooks.openPlan = [this](QWidget *owner, const plan::BandInputs &band) {
        return plan::openPlanWindow(owner, *context_, *saveChooser_, band);
    };
    hooks.openFit = [this](QWidget *owner, const plan::BandInputs &band) {
        return plan::openFitWindow(owner, *context_, band);
    };
    mainWindow_ = std::make_unique<AnaForm>(*context_, std::move(hooks));

    instance_->setActivationHandler([this] {
        AnaForm *w = mainWindow_.get();
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
        w->show();
        w->raise();
        w->activateWindow();
    });
    mainWindow_->showAndCheck();
    return app.exec();
}

// Steps 10 to 12: a key is written only when it is missing or unreadable,
// so a first run writes all three and later runs none. The writes share one
// sync of the store.
void BaşlangiçModülü::readSchedule()
{
    if (!seams_.clock)
        ownClock_ = std::make_unique<SystemClock>();
    const QDate today = (seams_.clock ? *seams_.clock : *ownClock_).today();
    QList<std::pair<const char *, QString>> repairs;

    state.SonKontrolTarihi = settings_->readDate(keys::GuncellemeTarihi);
    if (!state.SonKontrolTarihi.isValid()) {
        state.SonKontrolTarihi = today.addDays(-7);
        repairs.append({keys::GuncellemeTarihi, dateText(state.SonKontrolTarihi, settings_->locale())});
    }

    if (const auto schedule = settings_->readSchedule()) {
        state.GuncellemeAraligi = *schedule;
    } else {
        state.GuncellemeAraligi = UpdateSchedule::weekly;
        repairs.append({keys::GuncellemeZamani, storedText(UpdateSchedule::weekly)});
    }

    state.SonrakiKontrolTarihi = settings_->readDate(keys::GuncellemeKontrolu);
    if (!state.SonrakiKontrolTarihi.isValid()) {
        state.SonrakiKontrolTarihi = today.addDays(7);
        repairs.append({keys::GuncellemeKontrolu, dateText(state.SonrakiKontrolTarihi, settings_->locale())});
    }
    if (!repairs.isEmpty())
        settings_->write(repairs);
}

void BaşlangiçModülü::openAbout()
{
    openAboutDialog(mainWindow_.get(), *context_, [this] { mainWindow_->StringYükle(); });
}

} // namespace lorvex
