#include "result/report_picture.h"

#include "result/report.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace lorvex::result {

QImage drawReportPicture(const ResultInputs &inputs, const MessageTable &messages, QSize size)
{
    const QPalette palette = QGuiApplication::palette();
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(palette.color(QPalette::Base));

    QFont font = QGuiApplication::font();
    font.setPointSize(9);
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
