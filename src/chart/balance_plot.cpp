#include "chart/balance_plot.h"

#include <QPainter>
#include <algorithm>

#include "chart/chart_frame.h"

namespace k4 {
namespace {

constexpr double kYenUnit = 10'000;  // the balance axis counts in 10,000 yen
constexpr double kLineWidth = 2;
constexpr double kLegendInset = 4;
const QColor kBalanceColour(20, 130, 60);
const QColor kComparedColour(120, 120, 120);

// The chart of a balance alone: its margins hold the title above, the axes' labels and titles
// beside and below, as the backtest chart's do.
constexpr int kMarginRight = 30;
constexpr int kMarginTop = 40;
constexpr int kMarginBottom = 60;
constexpr int kTitlePixels = 16;
constexpr double kTitleTop = 8;
constexpr double kTitleHeight = 22;
constexpr int kRoundTitleAbove = 30;
constexpr int kRoundTitleHeight = 20;

}  // namespace

QPen balancePen() {
    return QPen(kBalanceColour, kLineWidth);
}

QPen comparedBalancePen() {
    return QPen(kComparedColour, kLineWidth, Qt::DashLine);
}

void paintBalancePlot(QPainter& painter, const QRectF& plot, qint64 firstRound,
                      const std::vector<qint64>& rounds, const std::vector<BalanceLine>& lines,
                      Language language) {
    double lowest = 0, highest = 0;
    for (const BalanceLine& line : lines)
        for (const double value : line.yen) {
            lowest = std::min(lowest, value);
            highest = std::max(highest, value);
        }
    // A tenth of the axis's unit at the least: its labels have one decimal at most (0.1, not
    // 0.0001), and stay clear of the axis title beside them.
    const ChartFrame frame(plot, firstRound, rounds, valueAxis(lowest, highest, kYenUnit / 10),
                           kYenUnit);
    frame.paintGrid(painter);
    if (!rounds.empty()) {
        painter.setBrush(Qt::NoBrush);
        for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
            painter.setPen(line->pen);
            painter.drawPolyline(frame.line(line->yen));
        }
    }
    painter.setPen(Qt::black);
    paintValueTitle(painter, plot,
                    inLanguage(language, u"収支（累計、万円）", u"balance (10,000 yen)"));
    QStringList names;
    QList<QPen> pens;
    for (const BalanceLine& line : lines) {
        names << line.name;
        pens << line.pen;
    }
    paintLegend(
        painter,
        plot.bottomLeft() + QPointF(kLegendInset, -kLegendInset - legendHeight(names.size())),
        names, pens);
}

void paintBalanceChart(QPainter& painter, const QRectF& area, const QString& title,
                       qint64 firstRound, const std::vector<qint64>& rounds,
                       const BalanceLine& balance, Language language) {
    const QSizeF size = beginChart(painter, area);
    const QRectF plot(kChartMarginLeft, kMarginTop, size.width() - kChartMarginLeft - kMarginRight,
                      size.height() - kMarginTop - kMarginBottom);
    paintBalancePlot(painter, plot, firstRound, rounds, {balance}, language);
    painter.setPen(Qt::black);
    painter.drawText(
        QRectF(plot.left(), size.height() - kRoundTitleAbove, plot.width(), kRoundTitleHeight),
        Qt::AlignCenter, inLanguage(language, u"回号", u"round"));
    QFont bold = painter.font();
    bold.setPixelSize(kTitlePixels);
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRectF(0, kTitleTop, size.width(), kTitleHeight), Qt::AlignCenter, title);
    painter.restore();
}

}  // namespace k4
