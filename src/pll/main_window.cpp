#include "pll/main_window.h"

#include "app/app_info.h"
#include "app/dialog_frame.h"
#include "app/error_report.h"
#include "app/error_text.h"
#include "app/message_box.h"
#include "app/settings.h"
#include "app/shared_state.h"
#include "pll/number_forms.h"
#include "pll/range_edit.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <cmath>

namespace lorvex {

namespace {

// The stored position is in twips: 1440 to the inch, 15 to a pixel at 96 dpi.
constexpr double twipsPerPixel = 15.0;
// Far beyond any screen, and still safe to turn into an int.
constexpr double farAway = 1.0e7;

std::optional<QString> selectedLine(const QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.first()->text();
}

int pixelsFromTwips(std::optional<double> twips, int fallback)
{
    if (!twips)
        return fallback;
    return static_cast<int>(std::lround(std::clamp(*twips / twipsPerPixel, -farAway, farAway)));
}

bool onSomeScreen(const QRect &window)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QScreen *screen) { return screen->availableGeometry().intersects(window); });
}

// Qt takes a plain top-level QWidget for a filler; the main window is a window.
QAccessibleInterface *mainWindowInterface(const QString &className, QObject *object)
{
    auto *form = className == QLatin1String("QWidget") ? dynamic_cast<AnaForm *>(object) : nullptr;
    return form ? new QAccessibleWidget(form, QAccessible::Window) : nullptr;
}

// The keyboard's ways to a context menu.
bool opensMenu(const QKeyEvent &key)
{
    return (key.key() == Qt::Key_Menu && key.modifiers() == Qt::NoModifier)
           || (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

} // namespace

AnaForm::AnaForm(AppContext &ctx, Hooks hooks) : ctx_(ctx), hooks_(std::move(hooks)), locale_(ctx.settings.locale())
{
    // Qt keeps every factory it is given: install this one once per run.
    static const bool factoryInstalled = (QAccessible::installFactory(mainWindowInterface), true);
    Q_UNUSED(factoryInstalled);
    createControls();
    connectControls();
    ctx_.errors.guarded(this, tags::Form1, [this] { load(); });
}

AnaForm::~AnaForm() = default;

void AnaForm::connectControls()
{
    connect(ÇikişDüğmesi, &QPushButton::clicked, this, [this] { exitClicked(); });
    connect(HakkindaDüğmesi, &QPushButton::clicked, this, [this] { aboutClicked(); });
    // Esc anywhere in the window presses the exit button.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, ÇikişDüğmesi, &QPushButton::click);

    connect(ReferansListesiYükleDüğmesi, &QPushButton::clicked, this, [this] {
        buildList({ReferansOscBaşlamaKutusu, ReferansOscBitişKutusu, ReferansOscAdimKutusu, ReferansOscListesi,
                   pll::referenceListParameters()});
    });
    connect(GirişFrekansiListesiYükleDüğmesi, &QPushButton::clicked, this, [this] {
        buildList({GirişFrekansiBaşlamaKutusu, GirişFrekansiBitişKutusu, GirişFrekansiAdimKutusu, GirişFrekansiListesi,
                   pll::inputListParameters()});
    });

    // A list's selection counts only when the user makes it there.
    for (QListWidget *list : {ReferansOscListesi, GirişFrekansiListesi}) {
        connect(list, &QListWidget::itemSelectionChanged, this, [this, list] {
            if (!rebuilding_ && list->hasFocus())
                DeğerleriHesapla();
        });
    }
    // activated: every choice, also of the entry already chosen.
    connect(GirişFrekansiBölListesi, &QComboBox::activated, this, [this] { DeğerleriHesapla(); });
    for (QCheckBox *box : RAOnayi)
        connect(box, &QCheckBox::toggled, this, [this] { DeğerleriHesapla(); });
    for (int i = 0; i < pll::nBitCount; ++i)
        connect(NOnayi[std::size_t(i)], &QCheckBox::toggled, this,
                [this, i](bool checked) { nBoxChanged(i, checked); });

    connect(GerekliNToplamiKutusu, &QLineEdit::textChanged, this, [this] { lockCheck(); });
    connect(SeçilenNToplamiKutusu, &QLineEdit::textChanged, this, [this] { lockCheck(); });

    // The selection menu opens on the N boxes and on the panel behind them
    // only; by keyboard on the focused N box.
    for (QCheckBox *box : NOnayi)
        box->installEventFilter(this);
    Altlik[5]->installEventFilter(this);
    connect(Menü[0], &QAction::triggered, this, [this] { setAllNBoxes(true); });
    connect(Menü[1], &QAction::triggered, this, [this] { setAllNBoxes(false); });
    connect(setRequiredNAction_, &QAction::triggered, this, [this] { setRequiredN(); });
    connect(planAction_, &QAction::triggered, this, [this] { planClicked(); });
    connect(fitAction_, &QAction::triggered, this, [this] { fitClicked(); });
}

void AnaForm::load()
{
    setCaptions();

    for (QWidget *panel : Altlik)
        fillWithWindowColour(panel);

    placeWindow();

    ReferansOscBaşlamaKutusu->setText(ctx_.settings.read(keys::ReferansBaslama));
    ReferansOscBitişKutusu->setText(ctx_.settings.read(keys::ReferansBitis));
    ReferansOscAdimKutusu->setText(ctx_.settings.read(keys::ReferansAdim));
    GirişFrekansiBaşlamaKutusu->setText(ctx_.settings.read(keys::GirisBaslama));
    GirişFrekansiBitişKutusu->setText(ctx_.settings.read(keys::GirisBitis));
    GirişFrekansiAdimKutusu->setText(ctx_.settings.read(keys::GirisAdim));

    GirişFrekansiBölListesi->clear();
    GirişFrekansiBölListesi->addItems(
        {QStringLiteral("1"), QStringLiteral("64"), QStringLiteral("128"), QStringLiteral("256")});
    // Choosing "1" is a choice like any other: it runs the first recomputation.
    GirişFrekansiBölListesi->setCurrentIndex(0);
    DeğerleriHesapla();

    SeçilenNToplamiKutusu->setText(calc_.selectedNText(locale_));
    RAToplamiKutusu->setText(pll::plainIntegerText(calc_.ReferansBöleni));
}

void AnaForm::StringYükle()
{
    ctx_.errors.guarded(this, tags::Form1, [this] { setCaptions(); });
}

void AnaForm::setCaptions()
{
    const SharedState &s = ctx_.state;
    const QString khz = QStringLiteral(" (Khz)");
    const QString ra = QStringLiteral(" [RA]");
    const QString n = QStringLiteral(" [N]");

    setWindowTitle(app_info::windowTitle(s.msg(msg::ProductName)));
    Çerçeve[0]->setTitle(s.msg(msg::FrequencyFrame) + khz);
    Etiket[0]->setText(s.msg(msg::ReferenceOscLabel));
    Etiket[1]->setText(s.msg(msg::InputFrequencyLabel));
    Çerçeve[1]->setTitle(s.msg(msg::ReferenceDividersFrame) + ra);
    Etiket[2]->setText(s.msg(msg::TotalLabel));
    Çerçeve[2]->setTitle(s.msg(msg::DivisionResultFrame));
    Etiket[3]->setText(s.msg(msg::ValueLabel));
    Çerçeve[3]->setTitle(s.msg(msg::InputDivisionFrame));
    Etiket[4]->setText(s.msg(msg::DivisionRatioLabel));
    Çerçeve[4]->setTitle(s.msg(msg::RequiredFrame) + n);
    Etiket[5]->setText(s.msg(msg::TotalLabel));
    Çerçeve[5]->setTitle(s.msg(msg::InputDividersFrame) + n);
    Etiket[6]->setText(s.msg(msg::SelectedLabel) + n);
    Çerçeve[6]->setTitle(s.msg(msg::ListBuildingFrame));
    Etiket[7]->setText(s.msg(msg::ReferenceOscRangeLabel));
    Etiket[8]->setText(s.msg(msg::StartLabel));
    Etiket[9]->setText(s.msg(msg::EndLabel));
    Etiket[10]->setText(s.msg(msg::StepLabel));
    Etiket[11]->setText(s.msg(msg::InputFrequencyRangeLabel));
    ReferansListesiYükleDüğmesi->setText(s.msg(msg::BuildList));
    GirişFrekansiListesiYükleDüğmesi->setText(s.msg(msg::BuildList));
    HakkindaDüğmesi->setText(s.msg(msg::About));
    ÇikişDüğmesi->setText(s.msg(msg::Exit) + QStringLiteral(" (Esc)"));
    Menü[0]->setText(s.msg(msg::SelectAll));
    Menü[1]->setText(s.msg(msg::ClearSelection));
    setRequiredNAction_->setText(s.msg(msg::SetRequiredN));
    planAction_->setText(s.msg(msg::ChannelPlanCommand));
    fitAction_->setText(s.msg(msg::FitCommand));

    placeLabels();
    setAccessibleNames();
}

void AnaForm::placeWindow()
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    const QRect available = primary ? primary->availableGeometry() : QRect(0, 0, width(), height());
    const QSize size = frameGeometry().size();
    const QPoint centred(available.x() + (available.width() - size.width()) / 2,
                         available.y() + (available.height() - size.height()) / 2);

    // A damaged value counts as absent; a place off every screen as no place.
    const int top = pixelsFromTwips(ctx_.settings.readPosition(keys::UstBosluk), centred.y());
    const int left = pixelsFromTwips(ctx_.settings.readPosition(keys::SolBosluk), centred.x());
    QPoint place(left, top);
    if (!onSomeScreen(QRect(place, size)))
        place = centred;
    move(place);
}

void AnaForm::showAndCheck()
{
    try {
        show();
        QCoreApplication::processEvents();
    } catch (...) {
        // Drawing late is no reason to skip the check.
    }
    ctx_.errors.guarded(this, tags::Form1, [this] {
        if (hooks_.scheduledCheck)
            hooks_.scheduledCheck();
    });
}

ResultInputs AnaForm::resultInputs() const
{
    ResultInputs inputs;
    inputs.inputFrequency = selectedLine(GirişFrekansiListesi).value_or(QString());
    inputs.divisionRatio = GirişFrekansiBölListesi->currentText();
    inputs.referenceOscillator = selectedLine(ReferansOscListesi).value_or(QString());
    inputs.referenceFrequency = ReferansOscDeğeriKutusu->text();
    for (std::size_t i = 0; i < NOnayi.size(); ++i)
        inputs.nChecked[i] = NOnayi[i]->isChecked();
    for (std::size_t i = 0; i < RAOnayi.size(); ++i)
        inputs.raChecked[i] = RAOnayi[i]->isChecked();
    return inputs;
}

void AnaForm::DeğerleriHesapla()
{
    pll::CalculationInputs inputs;
    inputs.referenceLine = selectedLine(ReferansOscListesi);
    inputs.inputLine = selectedLine(GirişFrekansiListesi);
    inputs.ratioText = GirişFrekansiBölListesi->currentText();
    for (std::size_t i = 0; i < RAOnayi.size(); ++i)
        inputs.raChecked[i] = RAOnayi[i]->isChecked();

    const pll::CalculationDisplay shown = calc_.DeğerleriHesapla(inputs, locale_);
    ReferansOscDeğeriKutusu->setText(shown.referenceValue);
    RAToplamiKutusu->setText(shown.raTotal);
    if (shown.requiredN)
        GerekliNToplamiKutusu->setText(*shown.requiredN);
}

void AnaForm::nBoxChanged(int bit, bool checked)
{
    const QCheckBox *box = NOnayi[std::size_t(bit)];
    SeçilenNToplamiKutusu->setText(calc_.nBoxChanged(box->text(), checked, locale_));
}

void AnaForm::lockCheck()
{
    if (holdingLock_)
        return;
    if (!pll::locks(GerekliNToplamiKutusu->text(), SeçilenNToplamiKutusu->text(), locale_))
        return;
    if (hooks_.openResult)
        hooks_.openResult(this, resultInputs());
}

void AnaForm::buildList(const RangeRow &row)
{
    // A click by keyboard or program leaves the focus in the box: tidy it
    // first, as leaving it would have.
    if (auto *focused = qobject_cast<RangeEdit *>(focusWidget()))
        focused->tidyNow();

    ctx_.errors.guarded(this, tags::Form1, [this, &row] {
        const pll::ListBuildResult result = pll::buildList(row.start->text(), row.end->text(), row.step->text(),
                                                           row.parameters, locale_);
        row.start->setText(result.start);
        row.end->setText(result.end);
        row.step->setText(result.step);

        if (!result.built) {
            ctx_.boxes.warn(this, ctx_.state.msg(result.message));
            RangeEdit *atFault = result.focus == pll::RangeBox::Start ? row.start
                                 : result.focus == pll::RangeBox::End ? row.end
                                                                      : row.step;
            atFault->setFocus(Qt::OtherFocusReason);
            atFault->selectAll();
            return;
        }

        rebuilding_ = true;
        row.list->clear();
        row.list->addItems(result.lines);
        rebuilding_ = false;

        // The three keys in order, in one sync of the store.
        ctx_.settings.write({{row.parameters.startKey, row.start->text()},
                             {row.parameters.endKey, row.end->text()},
                             {row.parameters.stepKey, row.step->text()}});
    });
    rebuilding_ = false;
}

void AnaForm::setAllNBoxes(bool checked)
{
    std::array<bool, pll::nBitCount> states{};
    for (std::size_t i = 0; i < NOnayi.size(); ++i)
        states[i] = NOnayi[i]->isChecked();
    // Box by box: each change updates the total (and may lock) before the next.
    for (const int bit : pll::boxesToChange(states, checked))
        NOnayi[std::size_t(bit)]->setChecked(checked);
}

void AnaForm::setRequiredN()
{
    const plan::NSetting setting = plan::requiredNSetting(
        pll::requiredN(calc_.BölünmüşGirişFrekansi, calc_.ReferansFrekansi));
    if (!setting.n) {
        ctx_.boxes.warn(this, ctx_.state.msg(setting.message));
        return;
    }
    const std::array<bool, pll::nBitCount> target = plan::nCheckedFor(*setting.n);
    holdingLock_ = true;
    for (std::size_t i = 0; i < NOnayi.size(); ++i)
        NOnayi[i]->setChecked(target[i]);
    holdingLock_ = false;
    // Once, with the final total; also when the boxes already showed it.
    lockCheck();
}

plan::BandInputs AnaForm::bandInputs() const
{
    const auto numbers = [this](const QListWidget *list, bool whole) {
        std::vector<double> values;
        values.reserve(std::size_t(list->count()));
        for (int row = 0; row < list->count(); ++row) {
            const double value = pll::readNumber(list->item(row)->text(), locale_).value_or(0);
            values.push_back(whole ? std::round(value) : value);
        }
        return values;
    };
    plan::BandInputs band;
    // Reference lines count as whole kHz, as in the recomputation.
    band.referenceKhz = numbers(ReferansOscListesi, true);
    band.inputKhz = numbers(GirişFrekansiListesi, false);
    if (const QList<QListWidgetItem *> selected = ReferansOscListesi->selectedItems(); !selected.isEmpty())
        band.referenceRow = ReferansOscListesi->row(selected.first());
    band.r = calc_.ReferansBöleni;
    band.ratio = static_cast<int>(
        std::lround(pll::readNumber(GirişFrekansiBölListesi->currentText(), locale_).value_or(1)));
    return band;
}

void AnaForm::planClicked()
{
    const plan::BandInputs band = bandInputs();
    if (const int refusal = plan::planRefusal(band)) {
        ctx_.boxes.warn(this, ctx_.state.msg(refusal));
        return;
    }
    if (!hooks_.openPlan)
        return;
    const std::optional<int> row = hooks_.openPlan(this, band);
    if (!row || *row < 0 || *row >= GirişFrekansiListesi->count())
        return;
    GirişFrekansiListesi->setCurrentRow(*row);
    DeğerleriHesapla();
    setRequiredN();
}

void AnaForm::fitClicked()
{
    const plan::BandInputs band = bandInputs();
    if (const int refusal = plan::fitRefusal(band)) {
        ctx_.boxes.warn(this, ctx_.state.msg(refusal));
        return;
    }
    if (!hooks_.openFit)
        return;
    const std::optional<plan::FitChoice> fit = hooks_.openFit(this, band);
    if (!fit || fit->referenceRow < 0 || fit->referenceRow >= ReferansOscListesi->count())
        return;
    const auto ra = plan::raCheckedFor(fit->r);
    const int ratioIndex = GirişFrekansiBölListesi->findText(QString::number(fit->ratio));
    if (!ra || ratioIndex < 0)
        return;
    // Through the same recomputation a user's own choices run.
    ReferansOscListesi->setCurrentRow(fit->referenceRow);
    for (std::size_t i = 0; i < RAOnayi.size(); ++i)
        RAOnayi[i]->setChecked((*ra)[i]);
    GirişFrekansiBölListesi->setCurrentIndex(ratioIndex);
    DeğerleriHesapla();
}

bool AnaForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() == Qt::RightButton) {
            SeçTemizleMenüsü->exec(press->globalPosition().toPoint());
            return true;
        }
    } else if (event->type() == QEvent::KeyPress && watched != Altlik[5]
               && opensMenu(*static_cast<QKeyEvent *>(event))) {
        // Not on the panel: keys it sees come up from the boxes beside the N boxes.
        const auto *box = static_cast<QWidget *>(watched);
        SeçTemizleMenüsü->exec(box->mapToGlobal(QPoint(0, box->height())));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void AnaForm::exitClicked()
{
    close();
    QCoreApplication::quit();
}

void AnaForm::aboutClicked()
{
    try {
        if (hooks_.openAbout)
            hooks_.openAbout();
    } catch (...) {
        // The About dialog is a courtesy; the calculation goes on without it.
    }
}

void AnaForm::closeEvent(QCloseEvent *event)
{
    savePosition();
    event->accept();
}

void AnaForm::savePosition()
{
    // Each write on its own: a refused one must not stop the window closing.
    try {
        ctx_.settings.writePosition(keys::SolBosluk, pos().x() * twipsPerPixel);
    } catch (...) {
    }
    try {
        ctx_.settings.writePosition(keys::UstBosluk, pos().y() * twipsPerPixel);
    } catch (...) {
    }
}

} // namespace lorvex
