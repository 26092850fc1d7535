// The main window's controls and where they stand: one table, in pixels at
// 96 dpi, frames and top-level controls relative to the client area, the rest
// relative to the panel (or frame) that holds them.

#include "pll/main_window.h"

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
// Labels size themselves to their text; only their anchor point is fixed.
enum class Anchor { Rect, Left, Right, Centre };

struct Place {
    const char *name;   // objectName, or an array's name when count > 0
    const char *parent; // nullptr: the client area
    Kind kind;
    int x, y, width, height; // labels: width and height unused
    Anchor anchor = Anchor::Rect;
    int count = 0; // array members name_0 .. name_(count - 1), each dy lower
    int dy = 0;
};

constexpr Place places[] = {
    {"Çerçeve_0", nullptr, Kind::Frame, 18, 16, 197, 363},
    {"Altlik_0", "Çerçeve_0", Kind::Panel, 6, 16, 183, 341},
    {"Etiket_0", "Altlik_0", Kind::Label, 8, 8, 0, 0, Anchor::Left},
    {"ReferansOscListesi", "Altlik_0", Kind::List, 8, 28, 75, 303},
    {"Etiket_1", "Altlik_0", Kind::Label, 98, 8, 0, 0, Anchor::Left},
    {"GirişFrekansiListesi", "Altlik_0", Kind::List, 98, 28, 75, 303},

    {"Çerçeve_1", nullptr, Kind::Frame, 230, 16, 181, 101},
    {"Altlik_1", "Çerçeve_1", Kind::Panel, 6, 14, 169, 81},
    {"RAOnayi", "Altlik_1", Kind::Check, 8, 8, 51, 19, Anchor::Rect, 3, 22},
    {"Etiket_2", "Altlik_1", Kind::Label, 74, 20, 0, 0, Anchor::Left},
    {"RAToplamiKutusu", "Altlik_1", Kind::Display, 74, 40, 85, 23},

    {"Çerçeve_2", nullptr, Kind::Frame, 230, 134, 181, 77},
    {"Altlik_2", "Çerçeve_2", Kind::Panel, 6, 14, 169, 57},
    {"Etiket_3", "Altlik_2", Kind::Label, 8, 4, 0, 0, Anchor::Left},
    {"ReferansOscDeğeriKutusu", "Altlik_2", Kind::Display, 8, 24, 101, 23},
    {"KhzEtiketi", "Altlik_2", Kind::Label, 114, 29, 0, 0, Anchor::Left},

    {"Çerçeve_3", nullptr, Kind::Frame, 230, 228, 181, 59},
    {"Altlik_3", "Çerçeve_3", Kind::Panel, 6, 14, 169, 39},
    {"Etiket_4", "Altlik_3", Kind::Label, 8, 12, 0, 0, Anchor::Left},
    {"GirişFrekansiBölListesi", "Altlik_3", Kind::Combo, 114, 8, 49, 21},

    {"Çerçeve_4", nullptr, Kind::Frame, 230, 304, 181, 75},
    {"Altlik_4", "Çerçeve_4", Kind::Panel, 6, 14, 169, 55},
    {"Etiket_5", "Altlik_4", Kind::Label, 8, 4, 0, 0, Anchor::Left},
    {"GerekliNToplamiKutusu", "Altlik_4", Kind::Display, 8, 24, 101, 23},

    {"Çerçeve_5", nullptr, Kind::Frame, 426, 16, 131, 363},
    {"Altlik_5", "Çerçeve_5", Kind::Panel, 6, 14, 119, 343},
    {"NEtiketi", "Altlik_5", Kind::Label, 8, 9, 0, 0, Anchor::Left, 14, 20},
    {"NOnayi", "Altlik_5", Kind::Check, 38, 6, 47, 19, Anchor::Rect, 14, 20},
    {"Etiket_6", "Altlik_5", Kind::Label, 8, 292, 0, 0, Anchor::Left},
    {"SeçilenNToplamiKutusu", "Altlik_5", Kind::Display, 8, 312, 101, 23},

    {"Çerçeve_6", nullptr, Kind::Frame, 18, 388, 393, 105},
    {"Altlik_6", "Çerçeve_6", Kind::Panel, 6, 16, 381, 83},
    {"Etiket_8", "Altlik_6", Kind::Label, 140, 4, 0, 0, Anchor::Centre},
    {"Etiket_9", "Altlik_6", Kind::Label, 200, 4, 0, 0, Anchor::Centre},
    {"Etiket_10", "Altlik_6", Kind::Label, 255, 4, 0, 0, Anchor::Centre},
    {"Etiket_7", "Altlik_6", Kind::Label, 105, 27, 0, 0, Anchor::Right},
    {"ReferansOscBaşlamaKutusu", "Altlik_6", Kind::Start, 114, 22, 55, 23},
    {"ReferansOscBitişKutusu", "Altlik_6", Kind::End, 174, 22, 55, 23},
    {"ReferansOscAdimKutusu", "Altlik_6", Kind::Step, 234, 22, 45, 23},
    {"ReferansListesiYükleDüğmesi", "Altlik_6", Kind::Button, 288, 22, 83, 23},
    {"Etiket_11", "Altlik_6", Kind::Label, 105, 57, 0, 0, Anchor::Right},
    {"GirişFrekansiBaşlamaKutusu", "Altlik_6", Kind::Start, 114, 52, 55, 23},
    {"GirişFrekansiBitişKutusu", "Altlik_6", Kind::End, 174, 52, 55, 23},
    {"GirişFrekansiAdimKutusu", "Altlik_6", Kind::Step, 234, 52, 45, 23},
    {"GirişFrekansiListesiYükleDüğmesi", "Altlik_6", Kind::Button, 288, 52, 83, 23},

    {"Çerçeve_7", nullptr, Kind::Frame, 426, 388, 131, 37},
    {"OnayBilgisi", "Çerçeve_7", Kind::Check, 16, 12, 75, 19},

    {"HakkindaDüğmesi", nullptr, Kind::Button, 426, 438, 131, 23},
    {"ÇikişDüğmesi", nullptr, Kind::Button, 426, 466, 131, 23},
};

constexpr int clientWidth = 576;
constexpr int clientHeight = 511;

QString memberName(const Place &place, int index)
{
    const QString name = QString::fromUtf8(place.name);
    return place.count > 0 ? name + QLatin1Char('_') + QString::number(index) : name;
}

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

template <class T> T *named(const QObject *root, const char *name)
{
    return named<T>(root, QString::fromUtf8(name));
}

template <class T, std::size_t N> void fetchArray(const QObject *root, const char *name, std::array<T *, N> &into)
{
    for (std::size_t i = 0; i < N; ++i)
        into[i] = named<T>(root, QString::fromUtf8(name) + QLatin1Char('_') + QString::number(i));
}

} // namespace

void AnaForm::createControls()
{
    setFixedSize(clientWidth, clientHeight);

    for (const Place &place : places) {
        QWidget *parent = place.parent ? named<QWidget>(this, place.parent) : this;
        const int members = place.count > 0 ? place.count : 1;
        for (int i = 0; i < members; ++i) {
            QWidget *control = makeControl(place.kind, locale_, parent);
            control->setObjectName(memberName(place, i));
            if (place.anchor == Anchor::Rect)
                control->setGeometry(place.x, place.y + i * place.dy, place.width, place.height);
            else
                control->move(place.x, place.y + i * place.dy);
        }
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
    for (const Place &place : places) {
        if (place.kind != Kind::Label)
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
    chain.insert(chain.end(), {RAToplamiKutusu, ReferansOscDeğeriKutusu, GirişFrekansiBölListesi, GerekliNToplamiKutusu});
    chain.insert(chain.end(), NOnayi.begin(), NOnayi.end());
    // The entry area runs row by row: start, end, step, then the row's button.
    chain.insert(chain.end(), {SeçilenNToplamiKutusu, ReferansOscBaşlamaKutusu, ReferansOscBitişKutusu,
                               ReferansOscAdimKutusu, ReferansListesiYükleDüğmesi, GirişFrekansiBaşlamaKutusu,
                               GirişFrekansiBitişKutusu, GirişFrekansiAdimKutusu,
                               GirişFrekansiListesiYükleDüğmesi, HakkindaDüğmesi, ÇikişDüğmesi});
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
    const std::array<RangeEdit *, 3> input{GirişFrekansiBaşlamaKutusu, GirişFrekansiBitişKutusu, GirişFrekansiAdimKutusu};
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
