#pragma once
// The channel plan as a printable A4 truth chart: title, the plan's values,
// the table with its fixed pins marked and its headings on every page, page numbers.

#include "app/messages.h"
#include "plan/channel_plan.h"

#include <QLocale>

class QIODevice;

namespace lorvex::plan {

// False when the device refused the document.
bool writePlanPdf(QIODevice &device, const ChannelPlan &plan, const QLocale &locale, const MessageTable &messages);

} // namespace lorvex::plan
