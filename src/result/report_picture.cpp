#include "result/report_picture.h"

#include "result/report.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QtMath>

namespace lorvex::result {

QImage drawReportPicture(const ResultInputs &inputs, const MessageTable &messages, QSize size, qreal ratio)
{
    const QPalette palette = QGuiApplication::palette();
    QImage picture(qCeil(size.width() * ratio), qCeil(size.height() * ratio), QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(palette.color(QPalette::Base));

    QFont font = QGuiApplication::font();
    font.setPointSize(9);
    // Qt leaves text unhinted as soon as a screen is scaled. The picture at
    // ratio 1, the one saved, keeps the hinting of an unscaled desktop
    // (fontconfig's default on Debian, slight), so the file is the same
    // whatever the screens.
    if (ratio == 1 && qGuiApp->devicePixelRatio() != 1)
        font.setHintingPreference(QFont::PreferVerticalHinting);
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(palette.color(QPalette::Text));
    const QFontMetrics metrics = painter.fontMetrics();
    const int h = fittedLineHeight(metrics.lineSpacing(), metrics.height(), size.height());
    for (const PlacedText &t : reportDrawing(inputs, messages, h))
        painter.drawText(QPoint(t.x, t.y + metrics.ascent()), t.text);
    return picture;
}

} // namespace lorvex::result
