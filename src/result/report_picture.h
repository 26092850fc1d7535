#pragma once
// The report picture: the report's texts drawn once into an image of the
// picture box's size, in the application font at 9 points. The saved picture
// is drawn at ratio 1; the one on screen at the screen's device pixel ratio,
// so the same layout in as many pixels as the screen shows.

#include "app/messages.h"
#include "pll/result_inputs.h"

#include <QImage>
#include <QSize>

namespace lorvex::result {

// A fresh image every call, in the palette's window-text colours: size
// times ratio pixels, size in device-independent pixels.
QImage drawReportPicture(const ResultInputs &inputs, const MessageTable &messages, QSize size, qreal ratio = 1);

} // namespace lorvex::result
