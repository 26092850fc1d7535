#pragma once
// The numbered message table: every text the user sees, built-in Turkish,
// refilled from a language file.

#include <QString>
#include <array>

namespace lorvex {

class MessageTable {
public:
    // Messages a language file (".lng") fills; the file format fixes them at 69.
    static constexpr int first = 101;
    static constexpr int last = 169;
    static constexpr int count = last - first + 1;
    // Texts of later features; a language's companion file (".lngx") fills them.
    static constexpr int extraFirst = 170;
    static constexpr int extraLast = 203;
    static constexpr int extraCount = extraLast - extraFirst + 1;

    // Filled with the built-in texts, so a table is never without a text.
    MessageTable();

    // Message n (101..203). Any other number is a programming error.
    const QString &text(int n) const;
    void set(int n, const QString &value);
    void resetToBuiltIn();

    static QString builtIn(int n);

private:
    static int slot(int n);
    std::array<QString, count + extraCount> slots_;
};

// The later texts by name, so a window never spells a bare number.
namespace msg {
inline constexpr int SetRequiredN = 170;
inline constexpr int RequiredNMissing = 171;
inline constexpr int RequiredNNotWhole = 172;
inline constexpr int RequiredNOutOfRange = 173;
inline constexpr int ChannelPlanCommand = 174;
inline constexpr int ChannelPlanTitle = 175;
inline constexpr int NoReferenceLine = 176;
inline constexpr int InputListEmpty = 177;
inline constexpr int ColumnInput = 178;
inline constexpr int ColumnDivided = 179;
inline constexpr int ColumnExactN = 180;
inline constexpr int ColumnN = 181;
inline constexpr int ColumnAchieved = 182;
inline constexpr int ColumnErrorKhz = 183;
inline constexpr int ColumnErrorPpm = 184;
inline constexpr int ColumnStatus = 185;
inline constexpr int StatusOk = 186;
inline constexpr int StatusNotWhole = 187;
inline constexpr int StatusOutOfRange = 188;
inline constexpr int FixedPinLegend = 189;
inline constexpr int SaveCsv = 190;
inline constexpr int SavePdf = 191;
inline constexpr int Page = 192;
inline constexpr int SettableChannels = 193;
inline constexpr int FitCommand = 194;
inline constexpr int FitTitle = 195;
inline constexpr int ReferenceListEmpty = 196;
inline constexpr int ColumnNRange = 197;
inline constexpr int ColumnFixedPins = 198;
inline constexpr int ColumnChannelsFitted = 199;
inline constexpr int FitsComplete = 200;
inline constexpr int FitsNearest = 201;
inline constexpr int Apply = 202;
inline constexpr int ChannelNotSettable = 203;
} // namespace msg

} // namespace lorvex
