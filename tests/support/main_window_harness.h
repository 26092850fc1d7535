#pragma once
// The main window shown and active in a temporary home, driven as a user does.
// The result hook records what it was handed and the N shown at that moment.

#include "pll/main_window.h"
#include "support/fakes.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace lorvex::test {

inline void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

// On the indicator (a short caption leaves the middle of the box outside it),
// through the window as a user's click, which passes over mouse-transparent boxes.
inline void tick(QCheckBox *b)
{
    QTest::mouseClick(b->window()->windowHandle(), Qt::LeftButton, {},
                      b->mapTo(b->window(), QPoint(7, b->height() / 2)));
}

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
