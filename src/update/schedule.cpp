#include "update/schedule.h"

#include "app/settings.h"

namespace lorvex {

QDate nextCheckDate(QDate today, UpdateSchedule schedule, QDate unchanged)
{
    switch (schedule) {
    case UpdateSchedule::weekly:
        return today.addDays(7);
    case UpdateSchedule::monthly:
        return today.addMonths(1); // clamps to the month's last day
    case UpdateSchedule::never:
        break;
    }
    return unchanged;
}

bool isCheckDue(UpdateSchedule schedule, QDate last, QDate next, QDate today)
{
    if (schedule == UpdateSchedule::never)
        return false;
    if (last == today)
        return false;
    return !(next.isValid() && today < next);
}

NoticeClosing noticeClosing(bool doNotCheckAgain, UpdateSchedule schedule, QDate lastCheck, QDate newNext, QDate today)
{
    if (doNotCheckAgain) {
        const ScheduleWrite off{keys::GuncellemeZamani, storedText(UpdateSchedule::never), QDate()};
        return {UpdateSchedule::never, lastCheck, newNext, {off}};
    }

    NoticeClosing closing{schedule, today, nextCheckDate(today, schedule, newNext), {}};
    closing.writes.append({keys::GuncellemeTarihi, QString(), today});
    // "Never" with no due date yet has nothing worth storing.
    if (closing.newNext.isValid())
        closing.writes.append({keys::GuncellemeKontrolu, QString(), closing.newNext});
    return closing;
}

} // namespace lorvex
