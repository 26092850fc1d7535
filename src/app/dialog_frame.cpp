#include "app/dialog_frame.h"

#include <QScreen>
#include <algorithm>

namespace lorvex {

const Place *findPlace(std::span<const Place> places, const QString &name)
{
    const QByteArray key = name.toUtf8();
    for (const Place &p : places)
        if (key == p.name)
            return &p;
    return nullptr;
}

QRect placeOf(std::span<const Place> places, const QString &name)
{
    const Place *place = findPlace(places, name);
    return place ? place->rect() : QRect();
}

QString memberName(const Place &place, int index)
{
    const QString name = QString::fromUtf8(place.name);
    return place.count > 0 ? name + QLatin1Char('_') + QString::number(index) : name;
}

void putAt(QWidget *widget, const Place &place, int index)
{
    widget->setObjectName(memberName(place, index));
    const int y = place.y + index * place.dy;
    if (place.anchor == Anchor::Rect)
        widget->setGeometry(place.x, y, place.w, place.h);
    else
        widget->move(place.x, y);
}

void fillWithWindowColour(QWidget *panel)
{
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, panel->window()->palette().color(QPalette::Window));
    panel->setPalette(colours);
    panel->setAutoFillBackground(true);
}

void centreOver(QWidget *dialog, QWidget *owner)
{
    QRect place(QPoint(), dialog->size());
    const QScreen *screen = owner ? owner->screen() : dialog->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    place.moveCenter(owner ? owner->window()->geometry().center() : available.center());
    if (available.isValid()) {
        const auto within = [](int start, int low, int high) { return std::clamp(start, low, std::max(low, high)); };
        place.moveLeft(within(place.left(), available.left(), available.right() - place.width() + 1));
        place.moveTop(within(place.top(), available.top(), available.bottom() - place.height() + 1));
    }
    dialog->setGeometry(place);
}

} // namespace lorvex
