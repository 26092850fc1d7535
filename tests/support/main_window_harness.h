#pragma once
// The main window shown and active in a temporary home, driven as a user does.
// The result hook records what it was handed and the N shown at that moment.

#include "pll/main_window.h"
#include "support/fakes.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace lorvex::test {

inline void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

// On the indicator (a short caption leaves the middle of the box outside it),
// through the window as a user's click, which passes over mouse-transparent boxes.
inline void tick(QCheckBox *b)
{
    QTest::mouseClick(b->window()->windowHandle(), Qt::LeftButton, {},
                      b->mapTo(b->window(), QPoint(7, b->height() / 2)));
}

// Runs open, which opens a context menu, and picks action from the menu (none: closes it).
// The menu's object name and where it opened; nothing when none did, "a+b" when two did.
struct OpenedMenu {
    QString name;
    QPoint at;
};
inline OpenedMenu fromMenu(const std::function<void()> &open, const char *action)
{
    OpenedMenu seen;
    int menus = 0;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        const QPointer menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        // A second menu is closed too, so that it fails the test instead of hanging it.
        seen.name += (menus ? QStringLiteral("+") : QString()) + menu->objectName();
        if (menus++ == 0) {
            seen.at = menu->pos();
            const QList<QAction *> items = menu->actions();
            const auto item = std::find_if(items.begin(), items.end(),
                                           [&](const QAction *a) { return action && a->objectName() == s(action); });
            if (item != items.end()) // it may open a modal window, which runs its own loop
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(*item).center());
        }
        if (menu)
            menu->close();
    });
    look.start(10);
    open();
    return seen;
}
// The menu of a right click on w at `at`, or of key pressed on w.
inline OpenedMenu fromMenu(QWidget *w, QPoint at, const char *action = nullptr, QKeyCombination key = {})
{
    return fromMenu(
        [=] {
            key.key() == Qt::Key_unknown ? QTest::mouseClick(w, Qt::RightButton, {}, at)
                                         : QTest::keyClick(w, key.key(), key.keyboardModifiers());
        },
        action);
}

// The two rows of range boxes, each with its build button and list.
struct Row {
    const char *boxes[3], *button, *list;
};
inline const Row rows[] = {{{"ReferansOscBaşlamaKutusu", "ReferansOscBitişKutusu", "ReferansOscAdimKutusu"},
                            "ReferansListesiYükleDüğmesi",
                            "ReferansOscListesi"},
                           {{"GirişFrekansiBaşlamaKutusu", "GirişFrekansiBitişKutusu", "GirişFrekansiAdimKutusu"},
                            "GirişFrekansiListesiYükleDüğmesi",
                            "GirişFrekansiListesi"}};

struct MainWindow {
    // addHooks may add hooks before the window is made.
    explicit MainWindow(const QLocale &locale = turkish, std::function<void(AnaForm::Hooks &)> addHooks = {})
        : tc(QDate(2026, 12, 7), locale)
    {
        AnaForm::Hooks hooks;
        hooks.openResult = [this](QWidget *owner, const ResultInputs &inputs) {
            results.push_back(inputs);
            selectedAtResult += owner == form.get() ? text("SeçilenNToplamiKutusu") : s("another owner");
        };
        if (addHooks)
            addHooks(hooks);
        form = std::make_unique<AnaForm>(ctx, hooks);
        form->show(); // focus only lands in an active window
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            QTest::qFail("the window did not become active", __FILE__, __LINE__);
    }
    template <class T = QLineEdit> T *get(const char *name) const { return form->findChild<T *>(s(name)); }
    QString text(const char *name) const { return get(name)->text(); }
    QStringList texts(std::initializer_list<const char *> names) const
    {
        QStringList all;
        for (const char *name : names)
            all += text(name);
        return all;
    }
    // Enters the box by mouse, which selects its text, and types over it.
    void type(const char *box, const QString &text)
    {
        click(get(box));
        QTest::keyClick(get(box), Qt::Key_Backspace);
        QTest::keyClicks(get(box), text);
    }
    // Types the range "start|end|step" into row's boxes and clicks its build button.
    void build(const Row &row, const char *range)
    {
        for (int i = 0; i < 3; ++i)
            type(row.boxes[i], l(range)[i]);
        click(get<QPushButton>(row.button));
    }
    void clickLine(const char *listName, const char *line)
    {
        auto *list = get<QListWidget>(listName);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->findItems(s(line), Qt::MatchExactly).value(0)).center());
    }
    void tickRa(std::initializer_list<int> bits)
    {
        for (const int bit : bits)
            tick(form->findChild<QCheckBox *>(QStringLiteral("RAOnayi_%1").arg(bit)));
    }

    TestContext tc;
    AppContext ctx = tc.context();
    std::unique_ptr<AnaForm> form;
    std::vector<ResultInputs> results;
    QStringList selectedAtResult;
};

} // namespace lorvex::test
