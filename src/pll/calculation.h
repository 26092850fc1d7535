#pragma once
// The main window's calculation state: R, fR, fD and the running N total,
// the recomputation, the N box update and the lock check.

#include "pll/divider_model.h"

#include <QLocale>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace lorvex::pll {

struct CalculationInputs {
    std::optional<QString> referenceLine; // selected line text; nullopt when none is selected
    std::optional<QString> inputLine;
    QString ratioText; // chosen entry of the ratio list
    std::array<bool, raBitCount> raChecked{};
};

struct CalculationDisplay {
    QString referenceValue;           // ReferansOscDeğeriKutusu, always written
    QString raTotal;                  // RAToplamiKutusu, always written
    std::optional<QString> requiredN; // GerekliNToplamiKutusu; nullopt: keep its text
};

class Calculation {
public:
    // DeğerleriHesapla: a step that cannot run keeps its value and its box.
    CalculationDisplay DeğerleriHesapla(const CalculationInputs &inputs, const QLocale &locale);

    // The N box update for a box whose state really changed; weight read from
    // its caption. Returns the new text of SeçilenNToplamiKutusu.
    QString nBoxChanged(const QString &caption, bool nowChecked, const QLocale &locale);

    QString selectedNText(const QLocale &locale) const;

    int ReferansBöleni = 0;
    double ReferansFrekansi = 0;
    double BölünmüşGirişFrekansi = 0;
    int OnayliAğirlikToplami = 0;
};

// Select all (target true) or clear (false): the boxes to change, 0 -> 13,
// skipping those already in that state.
std::vector<int> boxesToChange(const std::array<bool, nBitCount> &nChecked, bool target);

// The two texts lock when equal character for character and neither is empty,
// unreadable or 0.
bool locks(const QString &requiredNText, const QString &selectedNText, const QLocale &locale);

} // namespace lorvex::pll
