#pragma once
// What the program's windows share: control places from a table, the fixed
// dialog frame, panel colours, and centring over the main window.

#include <QRect>
#include <QString>
#include <QWidget>
#include <span>

namespace lorvex {

// A control's place in 96-dpi pixels, relative to whatever holds it.
struct Place {
    const char *name;
    int x, y, w, h;
    QRect rect() const { return {x, y, w, h}; }
};

// Fixed size, no minimise or maximise; a dialog with an owner stays out of the taskbar.
inline constexpr Qt::WindowFlags fixedDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// The place the table gives name; an empty rectangle when it gives none.
QRect placeOf(std::span<const Place> places, const QString &name);

// Names widget and puts it at its place from the table.
template <class W> W *placed(W *widget, const QString &name, std::span<const Place> places)
{
    widget->setObjectName(name);
    if (const QRect r = placeOf(places, name); !r.isNull())
        widget->setGeometry(r);
    return widget;
}

// The background panels ("Altlik") take their window's background colour.
void fillWithWindowColour(QWidget *panel);

// Centres dialog over owner's window (over the screen without one) and keeps
// it wholly on that screen, even when the owner hangs over an edge.
void centreOver(QWidget *dialog, QWidget *owner);

} // namespace lorvex
