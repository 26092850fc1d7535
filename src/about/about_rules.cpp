#include "about/about_rules.h"

#include "app/message_ids.h"

namespace lorvex::about {

OpeningStatus openingStatus(UpdateResult stored, bool checkedToday, int running, const std::function<int()> &published)
{
    UpdateResult state = stored;
    // Rule A: the announcement of today is already installed.
    if (state == UpdateResult::newerFound && checkedToday && running >= published())
        state = UpdateResult::upToDate;
    // Rule B: only a known newer version outlives its day.
    if (state != UpdateResult::newerFound && !checkedToday)
        state = UpdateResult::none;
    return {state, state != stored};
}

std::optional<StatusLook> statusLook(UpdateResult state)
{
    switch (state) {
    case UpdateResult::none:
        return StatusLook{msg::CheckForUpdates, true};
    case UpdateResult::newerFound:
        return StatusLook{msg::ClickToDownload, true};
    case UpdateResult::upToDate:
        return StatusLook{msg::UpToDate, false};
    default:
        return std::nullopt;
    }
}

CheckOutcome checkOutcome(int answer, int running)
{
    if (answer == 1)
        return {msg::NoInternet, UpdateResult::none};
    if (answer == 2)
        return {msg::UpdateCheckFailed, UpdateResult::none};
    // 0 (a file without a number) counts as up to date.
    return {0, answer > running ? UpdateResult::newerFound : UpdateResult::upToDate};
}

int openingLanguageIndex(const QStringList &entries, const QString &DilAdi, const QString &builtIn)
{
    const int exact = int(entries.indexOf(DilAdi));
    if (exact >= 0)
        return exact;
    return int(entries.indexOf(builtIn));
}

std::optional<UpdateSchedule> changedSchedule(int selectedIndex, UpdateSchedule current)
{
    if (selectedIndex < 0 || selectedIndex == static_cast<int>(current))
        return std::nullopt;
    return static_cast<UpdateSchedule>(selectedIndex);
}

std::optional<QString> changedLanguage(int selectedIndex, const QString &selectedText, const QString &atOpening)
{
    if (selectedIndex < 0 || selectedText == atOpening)
        return std::nullopt;
    return selectedText;
}

QString shownAddress(const QString &url)
{
    for (const QLatin1String scheme : {QLatin1String("https://"), QLatin1String("http://")})
        if (url.startsWith(scheme, Qt::CaseInsensitive))
            return url.mid(scheme.size());
    return url;
}

} // namespace lorvex::about
