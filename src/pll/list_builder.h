#pragma once
// The decision half of both list buttons: check a range, rewrite unreadable
// texts, and either list its frequencies or name a warning and a box.

#include <QLocale>
#include <QString>
#include <QStringList>

namespace lorvex::pll {

enum class RangeBox { Start, End, Step };

struct ListParameters {
    double lowerLimit;        // of the start
    double upperLimit;        // of the end
    int belowLowerMessage;    // 132
    int aboveUpperMessage;    // 133 / 137
    int endBelowStartMessage; // 134 / 138
    int differenceMessage;    // 135
    double maxSteps;          // 500
    int tooManyStepsMessage;  // 136 / 139
    const char *startKey;
    const char *endKey;
    const char *stepKey;
};

const ListParameters &referenceListParameters();
const ListParameters &inputListParameters();

struct ListBuildResult {
    // The three texts after rewriting; the window writes them back in every case.
    QString start, end, step;
    bool built = false;
    QStringList lines; // when built: whole-number form, ascending
    int message = 0;   // when not built: the warning
    RangeBox focus = RangeBox::Start;
};

ListBuildResult buildList(const QString &start, const QString &end, const QString &step,
                          const ListParameters &parameters, const QLocale &locale);

} // namespace lorvex::pll
