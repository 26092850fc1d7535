#include "support/caption_fit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOption>

namespace lorvex::test {

namespace {

bool textFits(const QAbstractButton *b)
{
    QStyleOptionButton o;
    o.initFrom(b);
    const auto contents = qobject_cast<const QCheckBox *>(b) ? QStyle::SE_CheckBoxContents
                                                             : QStyle::SE_PushButtonContents;
    return b->fontMetrics().horizontalAdvance(b->text()) <= b->style()->subElementRect(contents, &o, b).width();
}

bool titleFits(const QGroupBox *g)
{
    QStyleOptionGroupBox o;
    o.initFrom(g);
    o.text = g->title();
    o.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect title = g->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g);
    QFont bold = g->font(); // the style draws titles bold
    bold.setBold(true);
    return title.left() + std::max(QFontMetrics(bold).horizontalAdvance(g->title()), title.width()) <= g->width() - 4;
}

bool textFits(const QLabel *l)
{
    if (l->text().isEmpty() || !l->pixmap().isNull())
        return true;
    const QRect room = l->contentsRect();
    if (l->wordWrap())
        return l->heightForWidth(l->width()) <= l->height();
    const QRect needed = l->fontMetrics().boundingRect(room, int(l->alignment()), l->text());
    return needed.width() <= room.width();
}

} // namespace

QStringList clippedCaptions(const QWidget *window)
{
    QStringList clipped;
    const auto fault = [&](const QWidget *w, const char *why) {
        clipped += w->objectName() + QLatin1Char(' ') + QLatin1String(why);
    };
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QWidget *holder = w->parentWidget();
        if (!w->isWindow() && !holder->rect().contains(w->geometry()))
            fault(w, "outside its holder");
        if (auto *b = qobject_cast<const QAbstractButton *>(w); b && !textFits(b))
            fault(w, "text cut off");
        if (auto *b = qobject_cast<const QPushButton *>(w); b && b->text().isEmpty())
            fault(w, "no text");
        if (auto *g = qobject_cast<const QGroupBox *>(w); g && !titleFits(g))
            fault(w, "title cut off");
        // A frame round a lone check box (the main window's legend) needs no title.
        if (auto *g = qobject_cast<const QGroupBox *>(w);
            g && g->title().isEmpty() && !g->findChild<QCheckBox *>(QString(), Qt::FindDirectChildrenOnly))
            fault(w, "no title");
        auto *label = qobject_cast<const QLabel *>(w);
        if (!label)
            continue;
        if (label->text().isEmpty() && label->pixmap().isNull())
            fault(w, "no text");
        else if (!textFits(label))
            fault(w, "text cut off");
        for (const QWidget *other : holder->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (other != w && other->isVisibleTo(window) && other->geometry().intersects(w->geometry()))
                fault(w, "over a neighbour");
    }
    return clipped;
}

} // namespace lorvex::test
