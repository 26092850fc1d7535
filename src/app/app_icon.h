#pragma once

#include <QIcon>
#include <QPixmap>

namespace lorvex {

// The program's own icon, in every size the windows and the desktop use.
QIcon applicationIcon();
// The 48 x 48 picture the dialogs show beside their text, in the pixels of
// the sharpest screen.
QPixmap iconPicture();

} // namespace lorvex
