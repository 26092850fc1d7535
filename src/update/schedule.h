#pragma once
// The update schedule: when a check is due, the next due date, and what
// closing the update notice changes. Shared by the notice and the About dialog.

#include "app/update_choices.h"

#include <QDate>
#include <QList>
#include <QString>

namespace lorvex {

// Weekly: today + 7 days. Monthly: the same day of the next month, or that
// month's last day (31 January gives 28 or 29 February). Never keeps
// `unchanged`.
QDate nextCheckDate(QDate today, UpdateSchedule schedule, QDate unchanged);

// A scheduled check is due unless the schedule is "never", a check was made
// today, or today is before the due date.
bool isCheckDue(UpdateSchedule schedule, QDate last, QDate next, QDate today);

// One settings write: a date (written in the store's date form) when `date`
// is valid, otherwise `text`.
struct ScheduleWrite {
    const char *key;
    QString text;
    QDate date;
};

// What closing the update notice does to the shared values and the store.
struct NoticeClosing {
    UpdateSchedule schedule;     // new GuncellemeAraligi
    QDate lastCheck;             // new SonKontrolTarihi
    QDate newNext;               // new YeniKontrolTarihi
    QList<ScheduleWrite> writes; // in this order
};

// Ticked "do not check again": schedule 0 and only "Guncelleme Zamani" = "0".
// Otherwise the next due date is renewed from today, today becomes the last
// check, and "Guncelleme Tarihi" then "Guncelleme Kontrolu" are written.
NoticeClosing noticeClosing(bool doNotCheckAgain, UpdateSchedule schedule, QDate lastCheck, QDate newNext, QDate today);

} // namespace lorvex
