#pragma once
// The numbered message table: every text the user sees, built-in Turkish,
// refilled from a language file.

#include <QString>
#include <array>

namespace lorvex {

class MessageTable {
public:
    static constexpr int first = 101;
    static constexpr int last = 169;
    static constexpr int count = last - first + 1;

    // Filled with the built-in texts, so a table is never without a text.
    MessageTable();

    // Message n (101..169). Any other number is a programming error.
    const QString &text(int n) const;
    void set(int n, const QString &value);
    void resetToBuiltIn();

    static QString builtIn(int n);

private:
    static int slot(int n);
    std::array<QString, count> slots_;
};

} // namespace lorvex

#include "app/message_ids.h"
