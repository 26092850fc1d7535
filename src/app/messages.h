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

} // namespace lorvex

#include "app/message_ids.h"
