#pragma once
// One check for every window in every language: nothing a user reads is missing or cut off.

#include <QStringList>

class QWidget;

namespace lorvex::test {

// Names of the visible controls in window (and why) where a caption is
// missing or cut off: a push button, label or frame without its text, a
// button's or check box's text wider than its text area, a group box's title
// wider than its frame, a label's text wider than the label, a control
// outside its holder or a label over a neighbour. Empty when all fit.
QStringList clippedCaptions(const QWidget *window);

} // namespace lorvex::test
