#pragma once
// The update check's two stored choices, with the integers the store holds.
// Settings converts the stored text into them, checked, in one place each.

#include <QString>
#include <cstdint>

namespace lorvex {

// "Guncelleme Zamani", held in GuncellemeAraligi.
enum class UpdateSchedule { never = 0, weekly = 1, monthly = 2 };

// "Guncelleme Sonucu", the outcome of the last check. It is a stored byte, and
// any byte reads back: values above 2 mean nothing and keep their number.
enum class UpdateResult : std::uint8_t { none = 0, newerFound = 1, upToDate = 2 };

inline QString storedText(UpdateSchedule schedule) { return QString::number(static_cast<int>(schedule)); }
inline QString storedText(UpdateResult result) { return QString::number(static_cast<int>(result)); }

} // namespace lorvex
