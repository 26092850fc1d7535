#pragma once
// The report picture: the report's texts drawn once into an image of the
// picture box's size, in the application font at 9 points.

#include "app/messages.h"
#include "pll/result_inputs.h"

#include <QImage>
#include <QSize>

namespace lorvex::result {

// A fresh image every call, in the palette's window-text colours.
QImage drawReportPicture(const ResultInputs &inputs, const MessageTable &messages, QSize size);

} // namespace lorvex::result
