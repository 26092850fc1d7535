#include "app/app_icon.h"

namespace lorvex {

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/lorvex/icons/lorvex-%1.png").arg(size), QSize(size, size));
    return icon;
}

QPixmap iconPicture() { return QPixmap(QStringLiteral(":/lorvex/icons/lorvex-48.png")); }

} // namespace lorvex
