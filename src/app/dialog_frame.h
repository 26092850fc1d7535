#pragma once
// What the program's windows share: control places from a table, the fixed
// dialog frame, panel colours, and centring over the main window.

#include <QRect>
#include <QString>
#include <QWidget>
#include <span>

namespace lorvex {

// Labels that size themselves to their text keep only an anchor point.
enum class Anchor { Rect, Left, Right, Centre };

// A control's place in 96-dpi pixels, relative to whatever holds it: the
// window, or the control the table names as parent.
struct Place {
    const char *name; // objectName, or an array's name when count > 0
    int x, y, w, h;   // anchored labels: w and h unused
    const char *parent = nullptr;
    Anchor anchor = Anchor::Rect;
    int count = 0; // array members name_0 .. name_(count - 1), each dy lower
    int dy = 0;
    QRect rect() const { return {x, y, w, h}; }
};

// Fixed size, no minimise or maximise; a dialog with an owner stays out of the taskbar.
inline constexpr Qt::WindowFlags fixedDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                                    | Qt::WindowCloseButtonHint;

// The table's row for name; null when it has none.
const Place *findPlace(std::span<const Place> places, const QString &name);
// The place the table gives name; an empty rectangle when it gives none.
QRect placeOf(std::span<const Place> places, const QString &name);

// The objectName of an array's member index; a single control's own name.
QString memberName(const Place &place, int index = 0);

// Names widget as member index of place and puts it there; an anchored label
// only moves to its anchor point until it knows its text.
void putAt(QWidget *widget, const Place &place, int index = 0);

// Names widget and puts it at its place from the table.
template <class W> W *placed(W *widget, const QString &name, std::span<const Place> places)
{
    if (const Place *place = findPlace(places, name))
        putAt(widget, *place);
    else
        widget->setObjectName(name);
    return widget;
}

// The background panels ("Altlik") take their window's background colour.
void fillWithWindowColour(QWidget *panel);

// Centres dialog over owner's window (over the screen without one) and keeps
// it wholly on that screen, even when the owner hangs over an edge.
void centreOver(QWidget *dialog, QWidget *owner);

} // namespace lorvex
