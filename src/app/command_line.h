#pragma once
// What lorvex answers on a terminal before it opens any window: --help and
// --version. It needs no display, settings or running copy to answer.

#include <QString>
#include <QStringList>
#include <optional>

namespace lorvex {

// The text to print for the first of "--help" and "--version" among the
// arguments (the program's name not included); nothing when the program is
// to start as usual, every other argument being ignored.
std::optional<QString> commandLineAnswer(const QStringList &arguments);

} // namespace lorvex
