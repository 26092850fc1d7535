#include "plan/plan_pdf.h"

#include "plan/plan_table.h"

#include <QFontMetricsF>
#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <vector>

namespace lorvex::plan {

namespace {

// Points: at 72 dpi one device unit is one point.
constexpr int pointsPerInch = 72;
constexpr double cellPadding = 3;
const QColor fixedShade(225, 235, 250);

} // namespace

bool writePlanPdf(QIODevice &device, const ChannelPlan &plan, const QLocale &locale, const MessageTable &messages)
{
    QPdfWriter pdf(&device);
    pdf.setResolution(pointsPerInch);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                                  QPageLayout::Millimeter));
    pdf.setTitle(messages.text(msg::ChannelPlanTitle));
    pdf.setCreator(QStringLiteral("Lorvex"));

    QPainter painter;
    if (!painter.begin(&pdf))
        return false;

    QFont body(QStringLiteral("Liberation Sans"));
    body.setPointSizeF(7);
    QFont bold = body;
    bold.setBold(true);
    QFont title = bold;
    title.setPointSizeF(13);
    const QFontMetricsF bodyMetrics(body, &pdf);
    const QFontMetricsF boldMetrics(bold, &pdf);
    const double rowHeight = bodyMetrics.height() + 2 * cellPadding / 2;

    const QStringList headings = planHeadings(plan, messages);
    std::vector<QStringList> rows;
    rows.reserve(plan.rows.size());
    for (const ChannelRow &row : plan.rows)
        rows.push_back(planRowTexts(row, locale, messages));

    // Each column as wide as its widest text, then spread over the page width.
    const QRectF page = QRectF(pdf.pageLayout().paintRectPixels(pointsPerInch))
                            .translated(-pdf.pageLayout().paintRectPixels(pointsPerInch).topLeft());
    std::vector<double> widths(std::size_t(headings.size()));
    for (qsizetype c = 0; c < headings.size(); ++c) {
        double widest = boldMetrics.horizontalAdvance(headings[c]);
        for (const QStringList &texts : rows)
            widest = std::max(widest, bodyMetrics.horizontalAdvance(texts[c]));
        widths[std::size_t(c)] = widest + 2 * cellPadding;
    }
    double total = 0;
    for (const double w : widths)
        total += w;
    for (double &w : widths)
        w *= page.width() / total;

    const double headTop = QFontMetricsF(title, &pdf).height() + 3 * rowHeight;
    const double footer = rowHeight * 1.5;
    const int rowsPerPage = std::max(1, static_cast<int>((page.height() - headTop - rowHeight - footer) / rowHeight));
    const int pages = std::max(1, static_cast<int>((rows.size() + std::size_t(rowsPerPage) - 1)
                                                   / std::size_t(rowsPerPage)));

    // Texts sit on a common baseline, right-aligned by their measured width:
    // far cheaper than laying out each of thousands of cells.
    const auto drawRow = [&](double top, const QStringList &texts, bool heading) {
        const QFontMetricsF &metrics = heading ? boldMetrics : bodyMetrics;
        const double baseline = top + (rowHeight + metrics.ascent() - metrics.descent()) / 2;
        double left = 0;
        painter.setFont(heading ? bold : body);
        for (qsizetype c = 0; c < texts.size(); ++c) {
            const double width = widths[std::size_t(c)];
            const double x = c == planValueColumns - 1
                                 ? left + cellPadding
                                 : left + width - cellPadding - metrics.horizontalAdvance(texts[c]);
            painter.drawText(QPointF(x, baseline), texts[c]);
            left += width;
        }
        painter.drawLine(QPointF(0, top + rowHeight), QPointF(left, top + rowHeight));
    };
    // The fixed pins' columns shaded, and the grid's vertical lines, for rows rows from top.
    const auto drawColumns = [&](double top, std::size_t rows) {
        const double height = rowHeight * double(rows + 1);
        double left = 0;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            if (c >= std::size_t(planValueColumns) && plan.fixedPins[c - planValueColumns])
                painter.fillRect(QRectF(left, top, widths[c], height), fixedShade);
            painter.drawLine(QPointF(left, top), QPointF(left, top + height));
            left += widths[c];
        }
        painter.drawLine(QPointF(left, top), QPointF(left, top + height));
        painter.drawLine(QPointF(0, top), QPointF(left, top));
    };

    painter.setPen(QPen(Qt::black, 0.3));
    for (int p = 0; p < pages; ++p) {
        if (p > 0 && !pdf.newPage())
            return false;
        painter.setFont(title);
        painter.drawText(QRectF(0, 0, page.width(), headTop), Qt::AlignLeft | Qt::AlignTop,
                         QStringLiteral("MC145151-2 ") + messages.text(msg::ChannelPlanTitle));
        painter.setFont(body);
        const double infoTop = QFontMetricsF(title, &pdf).height() + rowHeight * 0.3;
        painter.drawText(QRectF(0, infoTop, page.width(), rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         planSummary(plan, locale, messages) + QStringLiteral("     ")
                             + settableSummary(plan, locale, messages));
        painter.drawText(QRectF(0, infoTop + rowHeight, page.width(), rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         messages.text(msg::FixedPinLegend));

        const std::size_t first = std::size_t(p) * std::size_t(rowsPerPage);
        const std::size_t last = std::min(rows.size(), first + std::size_t(rowsPerPage));
        drawColumns(headTop, last - first);
        drawRow(headTop, headings, true);
        for (std::size_t r = first; r < last; ++r)
            drawRow(headTop + rowHeight * double(r - first + 1), rows[r], false);

        painter.setFont(body);
        painter.drawText(QRectF(0, page.height() - rowHeight, page.width(), rowHeight),
                         Qt::AlignRight | Qt::AlignBottom,
                         messages.text(msg::Page) + QLatin1Char(' ') + QString::number(p + 1) + QStringLiteral(" / ")
                             + QString::number(pages));
    }
    return painter.end();
}

} // namespace lorvex::plan
