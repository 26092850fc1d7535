#pragma once
// How the six range boxes treat typed characters and what they hold when left.

#include "pll/list_builder.h"

#include <QChar>
#include <QLocale>
#include <QString>

namespace lorvex::pll {

enum class KeyDecision { Pass, Discard, MoveToNext };

// Enter (13) moves on and is discarded; Backspace (8) passes; otherwise a
// character passes only when its one-character text reads as a number.
KeyDecision filterKey(QChar character, const QLocale &locale);

// Start and end: whole-number form or "0"; step: whole-number form or "1".
QString tidy(const QString &text, RangeBox role, const QLocale &locale);

} // namespace lorvex::pll
