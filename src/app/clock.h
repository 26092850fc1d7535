#pragma once

#include <QDate>

namespace lorvex {

// Today's date, replaceable so tests can set the day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

} // namespace lorvex
