#include "update/schedule.h"

#include "app/settings.h"

namespace lorvex {

QDate nextCheckDate(QDate today, int schedule, QDate unchanged)
{
    switch (schedule) {
    case schedule::weekly:
        return today.addDays(7);
    case schedule::monthly:
        return today.addMonths(1); // clamps to the month's last day
    default:
        return unchanged;
    }
}

bool isCheckDue(int schedule, QDate last, QDate next, QDate today)
{
    if (schedule == schedule::never)
        return false;
    if (last == today)
        return false;
    return !(next.isValid() && today < next);
}

NoticeClosing noticeClosing(bool doNotCheckAgain, int schedule, QDate lastCheck, QDate newNext, QDate today)
{
    if (doNotCheckAgain)
        return {schedule::never, lastCheck, newNext, {{keys::GuncellemeZamani, QStringLiteral("0"), QDate()}}};

    NoticeClosing closing{schedule, today, nextCheckDate(today, schedule, newNext), {}};
    closing.writes.append({keys::GuncellemeTarihi, QString(), today});
    // An unknown schedule with no due date yet has nothing worth storing.
    if (closing.newNext.isValid())
        closing.writes.append({keys::GuncellemeKontrolu, QString(), closing.newNext});
    return closing;
}

} // namespace lorvex
