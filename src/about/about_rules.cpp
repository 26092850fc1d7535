#include "about/about_rules.h"

namespace lorvex::about {

OpeningStatus openingStatus(int stored, bool checkedToday, int running, const std::function<int()> &published)
{
    int state = stored;
    // Rule A: the announcement of today is already installed.
    if (state == status::newerKnown && checkedToday && running >= published())
        state = status::upToDate;
    // Rule B: only a known newer version outlives its day.
    if (state != status::newerKnown && !checkedToday)
        state = status::offerCheck;
    return {state, state != stored};
}

std::optional<StatusLook> statusLook(int state)
{
    switch (state) {
    case status::offerCheck:
        return StatusLook{144, true};
    case status::newerKnown:
        return StatusLook{154, true};
    case status::upToDate:
        return StatusLook{155, false};
    default:
        return std::nullopt;
    }
}

CheckOutcome checkOutcome(int answer, int running)
{
    if (answer == 1)
        return {156, status::offerCheck};
    if (answer == 2)
        return {157, status::offerCheck};
    // 0 (a file without a number) counts as up to date.
    return {0, answer > running ? status::newerKnown : status::upToDate};
}

int openingLanguageIndex(const QStringList &entries, const QString &DilAdi, const QString &builtIn)
{
    const int exact = int(entries.indexOf(DilAdi));
    if (exact >= 0)
        return exact;
    return int(entries.indexOf(builtIn));
}

std::optional<int> changedSchedule(int selectedIndex, int current)
{
    if (selectedIndex < 0 || selectedIndex == current)
        return std::nullopt;
    return selectedIndex;
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
