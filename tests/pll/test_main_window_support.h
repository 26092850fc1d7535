#pragma once
// A main window in a temporary home, with hooks that record, and the real
// input the window tests drive it with.

#include "app/shell.h"
#include "pll/main_window.h"
#include "support/fakes.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

namespace lorvex::test {

inline QLocale turkish() { return QLocale(QLocale::Turkish, QLocale::Turkey); }
inline QLocale english() { return QLocale(QLocale::English, QLocale::UnitedStates); }

struct MainWindowFixture {
    explicit MainWindowFixture(const QLocale &locale = turkish()) : tc(QDate(2026, 12, 7), locale), ctx(tc.context()) {}

    AnaForm &open()
    {
        AnaForm::Hooks hooks;
        hooks.openResult = [this](QWidget *owner, const ResultInputs &inputs) {
            owners.push_back(owner);
            results.push_back(inputs);
            selectedAtResult.push_back(get<QLineEdit>("SeçilenNToplamiKutusu")->text());
        };
        hooks.scheduledCheck = [this] {
            ++checks;
            if (checkThrows)
                throw Failure(failure_code::unknown, QStringLiteral("check failed"));
        };
        hooks.openAbout = [this] {
            ++abouts;
            throw Failure(failure_code::unknown, QStringLiteral("about failed"));
        };
        form = std::make_unique<AnaForm>(ctx, hooks);
        return *form;
    }
    // Focus only lands in an active window.
    bool showActive()
    {
        form->show();
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    }
    template <class T> T *get(const char *name) const
    {
        return form->findChild<T *>(QString::fromUtf8(name));
    }
    QString text(const char *name) const { return get<QLineEdit>(name)->text(); }
    QString msg(int n) const { return tc.state.msg(n); }

    TestContext tc;
    AppContext ctx;
    std::unique_ptr<AnaForm> form;
    std::vector<ResultInputs> results;
    std::vector<QWidget *> owners;
    QStringList selectedAtResult;
    int checks = 0;
    bool checkThrows = false;
    int abouts = 0;
};

inline void click(QWidget *w, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(w, button, {}, w->rect().center());
}

// On the indicator: a short caption leaves the middle of the box outside it.
inline void tick(QCheckBox *box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, indicator.center());
}

// Enters the box by mouse (which selects its text) and types over it.
inline void typeInto(QLineEdit *box, const QString &text)
{
    click(box);
    QTest::keyClicks(box, text);
}

inline bool clickLine(QListWidget *list, const QString &line)
{
    const QList<QListWidgetItem *> items = list->findItems(line, Qt::MatchExactly);
    if (items.isEmpty())
        return false;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
    return true;
}

inline QStringList lines(const QListWidget *list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all.append(list->item(i)->text());
    return all;
}

// Watches for the selection menu while a press runs its nested loop, hands it
// to onMenu (which must close it), and gives up after a while.
class MenuWatcher {
public:
    explicit MenuWatcher(std::function<void(QMenu *)> onMenu) : onMenu_(std::move(onMenu))
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *menu = qobject_cast<QMenu *>(w);
                if (menu && menu->isVisible() && menu->objectName() == QStringLiteral("SeçTemizleMenüsü")) {
                    ++opened;
                    onMenu_(menu);
                    if (menu->isVisible())
                        menu->close();
                }
            }
            if (++ticks_ > 300)
                timer_.stop();
        });
        timer_.start();
    }
    int opened = 0;

private:
    std::function<void(QMenu *)> onMenu_;
    QTimer timer_;
    int ticks_ = 0;
};

inline void chooseMenuItem(QMenu *menu, const char *actionName)
{
    QAction *action = menu->findChild<QAction *>(QString::fromUtf8(actionName));
    if (action)
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}

} // namespace lorvex::test
