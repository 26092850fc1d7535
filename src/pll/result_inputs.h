#pragma once
// What the result window reads from the main window, once, when it opens.
// It belongs to the main window's core, so neither window includes the other.

#include "pll/divider_model.h"

#include <QString>
#include <array>

namespace lorvex {

struct ResultInputs {
    QString inputFrequency;                        // selected line of GirişFrekansiListesi, "" when none
    QString divisionRatio;                         // chosen entry of GirişFrekansiBölListesi
    QString referenceOscillator;                   // selected line of ReferansOscListesi, "" when none
    QString referenceFrequency;                    // text of ReferansOscDeğeriKutusu
    std::array<bool, pll::nBitCount> nChecked{};   // NOnayi(0..13)
    std::array<bool, pll::raBitCount> raChecked{}; // RAOnayi(0..2)
};

} // namespace lorvex
