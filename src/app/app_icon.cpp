#include "app/app_icon.h"

#include <QGuiApplication>
#include <QtMath>

namespace lorvex {

namespace {

const int iconSizes[] = {16, 24, 32, 48, 64, 128, 256};

QString iconFile(int size) { return QStringLiteral(":/lorvex/icons/lorvex-%1.png").arg(size); }

} // namespace

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : iconSizes)
        icon.addFile(iconFile(size), QSize(size, size));
    return icon;
}

QPixmap iconPicture()
{
    // As many pixels as the sharpest screen shows: one file, scaled down from
    // the next larger one when no file fits (decoding them all costs time).
    const qreal ratio = qGuiApp->devicePixelRatio();
    const int pixels = qCeil(48 * ratio);
    int size = 48;
    for (int s : iconSizes)
        if (size < pixels && s > size)
            size = s;
    QPixmap picture(iconFile(size));
    if (size != pixels)
        picture = picture.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

} // namespace lorvex
