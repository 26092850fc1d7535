#pragma once
// The result report: the pin levels of a locked setting, as the clipboard text
// (five blocks) and as the texts of the picture with their places.

#include "app/messages.h"
#include "pll/divider_model.h"
#include "pll/result_inputs.h"

#include <QList>
#include <QString>
#include <array>

namespace lorvex::result {

inline constexpr int blockCount = 5;
using ReportBlocks = std::array<QString, blockCount>;

using NLevels = std::array<int, pll::nBitCount>;
using RALevels = std::array<int, pll::raBitCount>;

// One programming pin as the report lists it.
struct ReportPin {
    int pin;
    int bit; // Ni or RAi
};

// The N pins by ascending pin number (pins 22..25 carry N12, N13, N10, N11),
// then the RA pins 5, 6, 7. Both forms of the report use this order.
const std::array<ReportPin, pll::nBitCount> &nPinOrder();
const std::array<ReportPin, pll::raBitCount> &raPinOrder();

// "Pin (p): "
QString pinLabel(int pin);

NLevels nLevels(const ResultInputs &inputs);
RALevels raLevels(const ResultInputs &inputs);

// RaporMetni: frequency lines, then RA pins, N pins and the legend.
ReportBlocks reportBlocks(const ResultInputs &inputs, const MessageTable &messages);
// The clipboard text: the blocks back to back; it ends on message 131.
QString joinedReport(const ReportBlocks &blocks);

// A text of the picture, top-left corner at x, y.
struct PlacedText {
    int x;
    int y;
    QString text;
    int step; // drawing step 1..29 (10 draws nothing)
};

// The picture's texts for a line height h, in drawing order.
QList<PlacedText> reportDrawing(const ResultInputs &inputs, const MessageTable &messages, int lineHeight);

// The font's line spacing, tightened only as far as needed for the lowest line
// (the last N pin) to stay inside a picture of the given height; at least 1.
int fittedLineHeight(int lineSpacing, int textHeight, int pictureHeight);

} // namespace lorvex::result
