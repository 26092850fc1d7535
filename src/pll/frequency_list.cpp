#include "pll/frequency_list.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace lorvex {

FrequencyList::FrequencyList(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
}

void FrequencyList::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    if (count() > 0 || !hasFocus())
        return;
    QPainter painter(viewport());
    QStyleOptionFocusRect mark;
    mark.initFrom(this);
    // The style would wait for a first Tab; the focus is there already.
    mark.state |= QStyle::State_KeyboardFocusChange;
    mark.rect = viewport()->rect().adjusted(1, 1, -1, -1);
    mark.backgroundColor = palette().color(QPalette::Base);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &mark, &painter, this);
}

void FrequencyList::focusInEvent(QFocusEvent *event)
{
    QListWidget::focusInEvent(event);
    viewport()->update();
}

void FrequencyList::focusOutEvent(QFocusEvent *event)
{
    QListWidget::focusOutEvent(event);
    viewport()->update();
}

} // namespace lorvex
