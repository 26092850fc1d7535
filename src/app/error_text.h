#pragma once

#include "app/messages.h"

namespace lorvex {

// The common report's four lines, CR LF between them, nothing after the last.
QString errorReportText(const MessageTable &messages, const QString &tag, int number, const QString &description);

namespace tags {
inline constexpr char Module1[] = "Module-1";
inline constexpr char Form1[] = "Form-1";
inline constexpr char Form2[] = "Form-2";
inline constexpr char Form3[] = "Form-3";
} // namespace tags

} // namespace lorvex
