#pragma once
// About dialog: what its update status shows, how a check on demand ends,
// and which closing choices count as changes. Pure decisions, no widgets.

#include "app/update_choices.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace lorvex::about {

// GuncellemeDurumu, what the status label offers, is the stored result:
// none offers a check, newerFound the download, upToDate nothing.
struct OpeningStatus {
    UpdateResult state;
    bool save; // the state differs from the stored one and is written back
};

// Rules A and B on the stored "Guncelleme Sonucu". A newer version announced
// on the day of opening is dropped once the running program is that version;
// an "up to date" answer holds only on the day of its check. `published` is
// asked only when rule A needs it.
OpeningStatus openingStatus(UpdateResult stored, bool checkedToday, int running, const std::function<int()> &published);

struct StatusLook {
    int message;
    bool link; // underlined, link colour, pointing hand; otherwise the green "up to date" look
};
// The look of each known state; other states keep the label's designed look.
std::optional<StatusLook> statusLook(UpdateResult state);

// The end of a check on demand: a warning (the state stays) or a new state.
struct CheckOutcome {
    int warning = 0; // message 156 or 157, 0 when the check got an answer
    UpdateResult state = UpdateResult::none;
};
CheckOutcome checkOutcome(int answer, int running);

// The language list's entry at opening: the one equal to DilAdi, or the
// built-in language when no entry is (its file has gone).
int openingLanguageIndex(const QStringList &entries, const QString &DilAdi, const QString &builtIn);

// Closing: the schedule to apply, if the user picked a different one. The
// list offers the schedules in the order of their stored numbers.
std::optional<UpdateSchedule> changedSchedule(int selectedIndex, UpdateSchedule current);
// Closing: the language to apply, if the user picked another entry than the
// one selected at opening. Comparing with DilAdi would apply a language the
// user never chose when DilAdi names no entry.
std::optional<QString> changedLanguage(int selectedIndex, const QString &selectedText, const QString &atOpening);

// A web address as the link labels show it: without "https://" or "http://",
// which the narrow frame has no room for.
QString shownAddress(const QString &url);

} // namespace lorvex::about
