#include "result/report.h"

#include <algorithm>

namespace lorvex::result {

namespace {

const QString crlf = QStringLiteral("\r\n");
const QString khz = QStringLiteral(" Khz");
const QString colon = QStringLiteral(": ");

// The pen of the picture: a text is drawn at the pen, which then either stays
// on the line or moves to the start of the next one.
class Pen {
public:
    explicit Pen(int lineHeight) : h_(lineHeight) {}

    void moveTo(int x) { x_ = x; }
    void moveTo(int x, int y) { x_ = x, y_ = y; }
    void down(int pixels) { y_ += pixels; }
    int y() const { return y_; }

    void draw(int step, const QString &text, bool nextLine)
    {
        drawn_.append({x_, y_, text, step});
        if (nextLine) {
            x_ = 0;
            y_ += h_;
        }
        // Staying on the line would move x to the end of the text; every
        // following step places x itself, so the width is never needed.
    }

    QList<PlacedText> take() { return std::move(drawn_); }

private:
    int h_;
    int x_ = 0;
    int y_ = 0;
    QList<PlacedText> drawn_;
};

constexpr int labelX = 10;
constexpr int valueX = 125;

// In the picture a level stands between blanks: "Pin (11):  0 ".
QString drawnLevel(int level) { return QLatin1Char(' ') + QString::number(level) + QLatin1Char(' '); }

} // namespace

const std::array<ReportPin, pll::nBitCount> &nPinOrder()
{
    static const std::array<ReportPin, pll::nBitCount> order = [] {
        std::array<ReportPin, pll::nBitCount> pins{};
        for (int bit = 0; bit < pll::nBitCount; ++bit)
            pins[bit] = {pll::nPin(bit), bit};
        std::sort(pins.begin(), pins.end(), [](const ReportPin &a, const ReportPin &b) { return a.pin < b.pin; });
        return pins;
    }();
    return order;
}

const std::array<ReportPin, pll::raBitCount> &raPinOrder()
{
    static const std::array<ReportPin, pll::raBitCount> order = [] {
        std::array<ReportPin, pll::raBitCount> pins{};
        for (int bit = 0; bit < pll::raBitCount; ++bit)
            pins[bit] = {pll::raPin(bit), bit};
        return pins;
    }();
    return order;
}

QString pinLabel(int pin) { return QStringLiteral("Pin (") + QString::number(pin) + QStringLiteral("): "); }

NLevels nLevels(const ResultInputs &inputs)
{
    NLevels levels{};
    for (int i = 0; i < pll::nBitCount; ++i)
        levels[i] = pll::levelOf(inputs.nChecked[i]);
    return levels;
}

RALevels raLevels(const ResultInputs &inputs)
{
    RALevels levels{};
    for (int i = 0; i < pll::raBitCount; ++i)
        levels[i] = pll::levelOf(inputs.raChecked[i]);
    return levels;
}

ReportBlocks reportBlocks(const ResultInputs &inputs, const MessageTable &messages)
{
    const QChar tab = QLatin1Char('\t');
    ReportBlocks blocks;
    blocks[0] = messages.text(msg::InputFrequencyLabel) + tab + colon + inputs.inputFrequency + khz + crlf;
    blocks[1] = messages.text(msg::DivisionRatioLabel) + tab + colon + inputs.divisionRatio + crlf;
    blocks[2] = messages.text(msg::ReferenceOscLabel) + tab + colon + inputs.referenceOscillator + khz + crlf;
    blocks[3] = messages.text(msg::DivisionResultFrame) + tab + colon + inputs.referenceFrequency + khz + crlf;

    const NLevels n = nLevels(inputs);
    const RALevels ra = raLevels(inputs);
    QString pins = crlf + QStringLiteral("Pin ") + messages.text(msg::Levels) + crlf;
    for (const ReportPin &p : raPinOrder())
        pins += pinLabel(p.pin) + QString::number(ra[p.bit]) + crlf;
    pins += crlf;
    for (const ReportPin &p : nPinOrder())
        pins += pinLabel(p.pin) + QString::number(n[p.bit]) + crlf;
    pins += crlf + QStringLiteral("0 = Gnd") + crlf + QStringLiteral("1 = ") + messages.text(msg::OpenLevel);
    blocks[4] = pins;
    return blocks;
}

QString joinedReport(const ReportBlocks &blocks)
{
    QString text;
    for (const QString &block : blocks)
        text += block;
    return text;
}

QList<PlacedText> reportDrawing(const ResultInputs &inputs, const MessageTable &messages, int lineHeight)
{
    Pen pen(lineHeight);

    pen.moveTo(labelX, 8);
    pen.draw(1, messages.text(msg::InputFrequencyLabel), false);
    pen.moveTo(valueX);
    pen.draw(2, colon + inputs.inputFrequency + khz, true);
    pen.moveTo(labelX);
    pen.draw(3, messages.text(msg::DivisionRatioLabel), false);
    pen.moveTo(valueX);
    pen.draw(4, colon + inputs.divisionRatio, true);
    pen.moveTo(labelX);
    pen.down(5);
    pen.draw(5, messages.text(msg::ReferenceOscLabel), false);
    pen.moveTo(valueX);
    pen.draw(6, colon + inputs.referenceOscillator + khz, true);
    pen.moveTo(labelX);
    pen.draw(7, messages.text(msg::DivisionResultFrame), false);
    pen.moveTo(valueX);
    pen.draw(8, colon + inputs.referenceFrequency + khz, true);

    pen.moveTo(labelX);
    pen.down(8);
    pen.draw(9, QStringLiteral("Pin ") + messages.text(msg::Levels), true);
    pen.down(4);
    const int y0 = pen.y(); // both pin columns start here

    const NLevels n = nLevels(inputs);
    int step = 11;
    for (const ReportPin &p : nPinOrder()) {
        pen.moveTo(labelX);
        pen.draw(step++, pinLabel(p.pin) + drawnLevel(n[p.bit]), true);
    }

    const RALevels ra = raLevels(inputs);
    pen.moveTo(valueX, y0);
    for (const ReportPin &p : raPinOrder()) {
        pen.moveTo(valueX);
        pen.draw(step++, pinLabel(p.pin) + drawnLevel(ra[p.bit]), true);
    }
    pen.moveTo(valueX);
    pen.down(8);
    pen.draw(step++, QStringLiteral("0 = Gnd"), true);
    pen.moveTo(valueX);
    pen.draw(step, QStringLiteral("1 = ") + messages.text(msg::OpenLevel), true);
    return pen.take();
}

int fittedLineHeight(int lineSpacing, int textHeight, int pictureHeight)
{
    // Positions do not depend on the texts, so an empty report measures them.
    static const MessageTable builtIn;
    const ResultInputs none;
    int h = std::max(1, lineSpacing);
    for (; h > 1; --h) {
        int lowest = 0;
        for (const PlacedText &t : reportDrawing(none, builtIn, h))
            lowest = std::max(lowest, t.y);
        if (lowest + textHeight <= pictureHeight)
            break;
    }
    return h;
}

} // namespace lorvex::result
