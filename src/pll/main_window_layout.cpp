// The main window's controls and where they stand: one table, in pixels at
// 96 dpi, frames and top-level controls relative to the client area, the rest
// relative to the panel (or frame) that holds them.

#include "pll/main_window.h"

#include "app/dialog_frame.h"
#include "pll/frequency_list.h"
#include "pll/range_edit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <vector>

namespace lorvex {

namespace {

enum class Kind { Frame, Panel, Label, Start, End, Step, Display, Button, Check, List, Combo };

struct Control {
    Kind kind;
    Place place;
};

constexpr Control places[] = {
    {Kind::Frame, {"Çerçeve_0", 18, 16, 197, 363}},
    {Kind::Panel, {"Altlik_0", 6, 16, 183, 341, "Çerçeve_0"}},
    {Kind::Label, {"Etiket_0", 8, 8, 0, 0, "Altlik_0", Anchor::Left}},
    {Kind::List, {"ReferansOscListesi", 8, 28, 75, 303, "Altlik_0"}},
    {Kind::Label, {"Etiket_1", 98, 8, 0, 0, "Altlik_0", Anchor::Left}},
    {Kind::List, {"GirişFrekansiListesi", 98, 28, 75, 303, "Altlik_0"}},

    {Kind::Frame, {"Çerçeve_1", 230, 16, 181, 101}},
    {Kind::Panel, {"Altlik_1", 6, 14, 169, 81, "Çerçeve_1"}},
    {Kind::Check, {"RAOnayi", 8, 8, 51, 19, "Altlik_1", Anchor::Rect, 3, 22}},
    {Kind::Label, {"Etiket_2", 74, 20, 0, 0, "Altlik_1", Anchor::Left}},
    {Kind::Display, {"RAToplamiKutusu", 74, 40, 85, 23, "Altlik_1"}},

    {Kind::Frame, {"Çerçeve_2", 230, 134, 181, 77}},
    {Kind::Panel, {"Altlik_2", 6, 14, 169, 57, "Çerçeve_2"}},
    {Kind::Label, {"Etiket_3", 8, 4, 0, 0, "Altlik_2", Anchor::Left}},
    {Kind::Display, {"ReferansOscDeğeriKutusu", 8, 24, 101, 23, "Altlik_2"}},
    {Kind::Label, {"KhzEtiketi", 114, 29, 0, 0, "Altlik_2", Anchor::Left}},

    {Kind::Frame, {"Çerçeve_3", 230, 228, 181, 59}},
    {Kind::Panel, {"Altlik_3", 6, 14, 169, 39, "Çerçeve_3"}},
    {Kind::Label, {"Etiket_4", 8, 12, 0, 0, "Altlik_3", Anchor::Left}},
    {Kind::Combo, {"GirişFrekansiBölListesi", 114, 8, 49, 21, "Altlik_3"}},

    {Kind::Frame, {"Çerçeve_4", 230, 304, 181, 75}},
    {Kind::Panel, {"Altlik_4", 6, 14, 169, 55, "Çerçeve_4"}},
    {Kind::Label, {"Etiket_5", 8, 4, 0, 0, "Altlik_4", Anchor::Left}},
    {Kind::Display, {"GerekliNToplamiKutusu", 8, 24, 101, 23, "Altlik_4"}},

    {Kind::Frame, {"Çerçeve_5", 426, 16, 131, 363}},
    {Kind::Panel, {"Altlik_5", 6, 14, 119, 343, "Çerçeve_5"}},
    {Kind::Label, {"NEtiketi", 8, 9, 0, 0, "Altlik_5", Anchor::Left, 14, 20}},
    {Kind::Check, {"NOnayi", 38, 6, 47, 19, "Altlik_5", Anchor::Rect, 14, 20}},
    {Kind::Label, {"Etiket_6", 8, 292, 0, 0, "Altlik_5", Anchor::Left}},
    {Kind::Display, {"SeçilenNToplamiKutusu", 8, 312, 101, 23, "Altlik_5"}},

    {Kind::Frame, {"Çerçeve_6", 18, 388, 393, 105}},
    {Kind::Panel, {"Altlik_6", 6, 16, 381, 83, "Çerçeve_6"}},
    {Kind::Label, {"Etiket_8", 140, 4, 0, 0, "Altlik_6", Anchor::Centre}},
    {Kind::Label, {"Etiket_9", 200, 4, 0, 0, "Altlik_6", Anchor::Centre}},
    {Kind::Label, {"Etiket_10", 255, 4, 0, 0, "Altlik_6", Anchor::Centre}},
    {Kind::Label, {"Etiket_7", 105, 27, 0, 0, "Altlik_6", Anchor::Right}},
    {Kind::Start, {"ReferansOscBaşlamaKutusu", 114, 22, 55, 23, "Altlik_6"}},
    {Kind::End, {"ReferansOscBitişKutusu", 174, 22, 55, 23, "Altlik_6"}},
    {Kind::Step, {"ReferansOscAdimKutusu", 234, 22, 45, 23, "Altlik_6"}},
    {Kind::Button, {"ReferansListesiYükleDüğmesi", 288, 22, 83, 23, "Altlik_6"}},
    {Kind::Label, {"Etiket_11", 105, 57, 0, 0, "Altlik_6", Anchor::Right}},
    {Kind::Start, {"GirişFrekansiBaşlamaKutusu", 114, 52, 55, 23, "Altlik_6"}},
    {Kind::End, {"GirişFrekansiBitişKutusu", 174, 52, 55, 23, "Altlik_6"}},
    {Kind::Step, {"GirişFrekansiAdimKutusu", 234, 52, 45, 23, "Altlik_6"}},
    {Kind::Button, {"GirişFrekansiListesiYükleDüğmesi", 288, 52, 83, 23, "Altlik_6"}},

    {Kind::Frame, {"Çerçeve_7", 426, 388, 131, 37}},
    {Kind::Check, {"OnayBilgisi", 16, 12, 75, 19, "Çerçeve_7"}},

    {Kind::Button, {"HakkindaDüğmesi", 426, 438, 131, 23}},
    {Kind::Button, {"ÇikişDüğmesi", 426, 466, 131, 23}},
};

constexpr int clientWidth = 576;
constexpr int clientHeight = 511;

QWidget *makeControl(Kind kind, const QLocale &locale, QWidget *parent)
{
    switch (kind) {
    case Kind::Frame:
        return new QGroupBox(parent);
    case Kind::Panel:
        return new QWidget(parent);
    case Kind::Label:
        return new QLabel(parent);
    case Kind::Start:
        return new RangeEdit(pll::RangeBox::Start, locale, parent);
    case Kind::End:
        return new RangeEdit(pll::RangeBox::End, locale, parent);
    case Kind::Step:
        return new RangeEdit(pll::RangeBox::Step, locale, parent);
    case Kind::Display: {
        auto *box = new QLineEdit(parent);
        box->setReadOnly(true);
        return box;
    }
    case Kind::Button: {
        // Outside a dialog Qt ignores Enter on a focused button; here it
        // presses it, as Space does. Fusion draws the button the same.
        auto *button = new QPushButton(parent);
        button->setAutoDefault(true);
        return button;
    }
    case Kind::Check:
        return new QCheckBox(parent);
    case Kind::List:
        return new FrequencyList(parent);
    case Kind::Combo: {
        auto *combo = new QComboBox(parent);
        combo->setEditable(false);
        return combo;
    }
    }
    return nullptr;
}

template <class T> T *named(const QObject *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    Q_ASSERT_X(found, "AnaForm", "control missing from the geometry table");
    return found;
}

template <class T> T *named(const QObject *root, const char *name) { return named<T>(root, QString::fromUtf8(name)); }

template <class T, std::size_t N> void fetchArray(const QObject *root, const char *name, std::array<T *, N> &into)
{
    for (std::size_t i = 0; i < N; ++i)
        into[i] = named<T>(root, QString::fromUtf8(name) + QLatin1Char('_') + QString::number(i));
}

} // namespace

void AnaForm::createControls()
{
    setFixedSize(clientWidth, clientHeight);

    for (const auto &[kind, place] : places) {
        QWidget *parent = place.parent ? named<QWidget>(this, place.parent) : this;
        const int members = place.count > 0 ? place.count : 1;
        for (int i = 0; i < members; ++i)
            putAt(makeControl(kind, locale_, parent), place, i);
    }

    ÇikişDüğmesi = named<QPushButton>(this, "ÇikişDüğmesi");
    HakkindaDüğmesi = named<QPushButton>(this, "HakkindaDüğmesi");
    fetchArray(this, "Çerçeve", Çerçeve);
    fetchArray(this, "Etiket", Etiket);
    fetchArray(this, "Altlik", Altlik);
    ReferansOscBaşlamaKutusu = named<RangeEdit>(this, "ReferansOscBaşlamaKutusu");
    ReferansOscBitişKutusu = named<RangeEdit>(this, "ReferansOscBitişKutusu");
    ReferansOscAdimKutusu = named<RangeEdit>(this, "ReferansOscAdimKutusu");
    GirişFrekansiBaşlamaKutusu = named<RangeEdit>(this, "GirişFrekansiBaşlamaKutusu");
    GirişFrekansiBitişKutusu = named<RangeEdit>(this, "GirişFrekansiBitişKutusu");
    GirişFrekansiAdimKutusu = named<RangeEdit>(this, "GirişFrekansiAdimKutusu");
    ReferansListesiYükleDüğmesi = named<QPushButton>(this, "ReferansListesiYükleDüğmesi");
    GirişFrekansiListesiYükleDüğmesi = named<QPushButton>(this, "GirişFrekansiListesiYükleDüğmesi");
    ReferansOscListesi = named<QListWidget>(this, "ReferansOscListesi");
    GirişFrekansiListesi = named<QListWidget>(this, "GirişFrekansiListesi");
    GirişFrekansiBölListesi = named<QComboBox>(this, "GirişFrekansiBölListesi");
    ReferansOscDeğeriKutusu = named<QLineEdit>(this, "ReferansOscDeğeriKutusu");
    GerekliNToplamiKutusu = named<QLineEdit>(this, "GerekliNToplamiKutusu");
    SeçilenNToplamiKutusu = named<QLineEdit>(this, "SeçilenNToplamiKutusu");
    RAToplamiKutusu = named<QLineEdit>(this, "RAToplamiKutusu");
    fetchArray(this, "NOnayi", NOnayi);
    fetchArray(this, "NEtiketi", NEtiketi);
    fetchArray(this, "RAOnayi", RAOnayi);
    KhzEtiketi = named<QLabel>(this, "KhzEtiketi");
    OnayBilgisi = named<QCheckBox>(this, "OnayBilgisi");

    // Fixed captions: bit weights and names, the unit and the legend.
    for (int i = 0; i < pll::nBitCount; ++i) {
        NOnayi[std::size_t(i)]->setText(QString::number(pll::nWeight(i)));
        NEtiketi[std::size_t(i)]->setText(QStringLiteral("N") + QString::number(i));
    }
    for (int i = 0; i < pll::raBitCount; ++i)
        RAOnayi[std::size_t(i)]->setText(QStringLiteral("RA") + QString::number(i));
    KhzEtiketi->setText(QStringLiteral("Khz"));
    OnayBilgisi->setText(QStringLiteral("= 0 (GND)"));

    // The legend only shows what a ticked box means; it never changes.
    OnayBilgisi->setChecked(true);
    OnayBilgisi->setAttribute(Qt::WA_TransparentForMouseEvents);
    OnayBilgisi->setFocusPolicy(Qt::NoFocus);
    Etiket[4]->setBuddy(GirişFrekansiBölListesi);

    SeçTemizleMenüsü = new QMenu(this);
    SeçTemizleMenüsü->setObjectName(QStringLiteral("SeçTemizleMenüsü"));
    for (std::size_t i = 0; i < Menü.size(); ++i) {
        Menü[i] = SeçTemizleMenüsü->addAction(QString());
        Menü[i]->setObjectName(QStringLiteral("Menü_") + QString::number(i));
    }
    createCommands();

    chainTabOrder();
}

void AnaForm::createCommands()
{
    const auto command = [this](const char *name, const QKeySequence &keys) {
        auto *action = new QAction(this);
        action->setObjectName(QString::fromUtf8(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        // On the window too, so the shortcut works without opening a menu.
        addAction(action);
        return action;
    };
    setRequiredNAction_ = command("SetRequiredNAction", QKeySequence(Qt::CTRL | Qt::Key_N));
    planAction_ = command("ChannelPlanAction", QKeySequence(Qt::CTRL | Qt::Key_L));
    fitAction_ = command("FitFinderAction", QKeySequence(Qt::CTRL | Qt::Key_F));

    SeçTemizleMenüsü->addSeparator();
    SeçTemizleMenüsü->addAction(setRequiredNAction_);
    for (QListWidget *list : {ReferansOscListesi, GirişFrekansiListesi}) {
        list->addActions({planAction_, fitAction_});
        list->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
}

void AnaForm::placeLabels()
{
    for (const auto &[kind, place] : places) {
        if (kind != Kind::Label)
            continue;
        const int members = place.count > 0 ? place.count : 1;
        for (int i = 0; i < members; ++i) {
            auto *label = named<QLabel>(this, memberName(place, i));
            label->adjustSize();
            const int width = label->width();
            int left = place.x;
            if (place.anchor == Anchor::Right)
                left = place.x - width;
            else if (place.anchor == Anchor::Centre)
                left = place.x - width / 2;
            label->move(left, place.y + i * place.dy);
        }
    }
}

void AnaForm::chainTabOrder()
{
    std::vector<QWidget *> chain{ReferansOscListesi, GirişFrekansiListesi};
    chain.insert(chain.end(), RAOnayi.begin(), RAOnayi.end());
    chain.insert(chain.end(),
                 {RAToplamiKutusu, ReferansOscDeğeriKutusu, GirişFrekansiBölListesi, GerekliNToplamiKutusu});
    chain.insert(chain.end(), NOnayi.begin(), NOnayi.end());
    // The entry area runs row by row: start, end, step, then the row's button.
    chain.insert(chain.end(),
                 {SeçilenNToplamiKutusu, ReferansOscBaşlamaKutusu, ReferansOscBitişKutusu, ReferansOscAdimKutusu,
                  ReferansListesiYükleDüğmesi, GirişFrekansiBaşlamaKutusu, GirişFrekansiBitişKutusu,
                  GirişFrekansiAdimKutusu, GirişFrekansiListesiYükleDüğmesi, HakkindaDüğmesi, ÇikişDüğmesi});
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void AnaForm::setAccessibleNames()
{
    // Frames, labels and the buttons with a caption of their own are named
    // by their text; the rest by the captions a sighted user reads with
    // them, the place first ("N3, 8").
    const auto name = [](QWidget *w, const QString &text) { w->setAccessibleName(text); };
    const auto within = [](const QString &where, const QString &what) { return where + QStringLiteral(", ") + what; };
    const auto pin = [](int number) { return QStringLiteral("Pin (%1)").arg(number); };

    for (int i = 0; i < pll::nBitCount; ++i) {
        QCheckBox *box = NOnayi[std::size_t(i)];
        name(box, within(NEtiketi[std::size_t(i)]->text(), box->text()));
        box->setAccessibleDescription(pin(pll::nPin(i)));
    }
    for (int i = 0; i < pll::raBitCount; ++i)
        RAOnayi[std::size_t(i)]->setAccessibleDescription(pin(pll::raPin(i)));

    name(ReferansOscListesi, Etiket[0]->text());
    name(GirişFrekansiListesi, Etiket[1]->text());
    name(RAToplamiKutusu, within(Çerçeve[1]->title(), Etiket[2]->text()));
    name(ReferansOscDeğeriKutusu, within(Çerçeve[2]->title(), Etiket[3]->text()));
    ReferansOscDeğeriKutusu->setAccessibleDescription(KhzEtiketi->text());
    // On Linux a drop-down list is named by its value; its label (the buddy)
    // names it for the screen reader. The name serves other platforms.
    name(GirişFrekansiBölListesi, Etiket[4]->text());
    name(GerekliNToplamiKutusu, within(Çerçeve[4]->title(), Etiket[5]->text()));
    name(SeçilenNToplamiKutusu, Etiket[6]->text());

    // A range box by its row and column, a build button by its row.
    const std::array<RangeEdit *, 3> reference{ReferansOscBaşlamaKutusu, ReferansOscBitişKutusu, ReferansOscAdimKutusu};
    const std::array<RangeEdit *, 3> input{GirişFrekansiBaşlamaKutusu, GirişFrekansiBitişKutusu,
                                           GirişFrekansiAdimKutusu};
    for (std::size_t column = 0; column < 3; ++column) {
        const QString heading = Etiket[8 + column]->text();
        name(reference[column], within(Etiket[7]->text(), heading));
        name(input[column], within(Etiket[11]->text(), heading));
    }
    name(ReferansListesiYükleDüğmesi, within(Etiket[7]->text(), ReferansListesiYükleDüğmesi->text()));
    name(GirişFrekansiListesiYükleDüğmesi, within(Etiket[11]->text(), GirişFrekansiListesiYükleDüğmesi->text()));
    SeçTemizleMenüsü->setAccessibleName(Menü[0]->text() + QStringLiteral(" / ") + Menü[1]->text());
}

} // namespace lorvex
