#include "chart/chart_frame.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace k4 {
namespace {

constexpr int kTicks = 5;
constexpr double kEpsilon = 1e-9;  // keeps the last tick of an axis despite rounding
// Tick labels: their height, the gap to the axis, the width of a round's label, a tick's length.
constexpr int kTickLabelHeight = 16;
constexpr int kTickLabelGap = 6;
constexpr int kValueLabelGap = 8;
constexpr int kRoundLabelWidth = 80;
constexpr int kTickLength = 4;
// The value axis's title: its height and its centre from the left edge.
constexpr int kAxisTitleHeight = 20;
constexpr int kValueTitleCentre = 16;
// The legend: a row a line, a sample line and its name.
constexpr double kLegendInset = 4;
constexpr double kLegendWidth = 200;
constexpr double kLegendRow = 20;
constexpr double kLegendPadding = 8;
constexpr double kLegendFirstRow = 16;
constexpr double kSampleFrom = 12;
constexpr double kSampleTo = 40;
constexpr double kNameFrom = 48;
constexpr double kNameBaseline = 5;  // below the sample line, so that the text centres on it

const QColor kGridColour(220, 220, 220);
const QColor kLegendBackground(255, 255, 255, 220);

// A readable step for an axis that spans `span`: 1, 2 or 5 times a power of ten, and never below
// `smallest`, so that its labels stay short.
double niceStep(double span, double smallest = 1) {
    const double raw = std::max(span, smallest) / kTicks;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0})
        if (raw <= factor * magnitude) return std::max(smallest, factor * magnitude);
    return std::max(smallest, 10 * magnitude);
}

}  // namespace

ValueAxis valueAxis(double lowest, double highest, double smallestStep) {
    lowest = std::min(lowest, 0.0);
    highest = std::max({highest, lowest + smallestStep, 0.0});
    const double step = niceStep(highest - lowest, smallestStep);
    return {std::floor(lowest / step) * step, std::ceil(highest / step) * step, step};
}

ChartFrame::ChartFrame(const QRectF& plot, qint64 firstRound, const std::vector<qint64>& rounds,
                       ValueAxis axis, double unit)
    : rounds_(rounds), axis_(axis), unit_(unit), plot_(plot) {
    xFirst_ = double(firstRound - 1);
    xLast_ = rounds.empty() ? xFirst_ + 1 : double(rounds.back());
}

QPointF ChartFrame::at(double x, double y) const {
    return QPointF(plot_.left() + plot_.width() * (x - xFirst_) / (xLast_ - xFirst_),
                   plot_.bottom() - plot_.height() * (y - axis_.low) / (axis_.high - axis_.low));
}

QPointF ChartFrame::atRound(int i, double y) const {
    return at(i < 0 ? xFirst_ : double(rounds_[i]), y);
}

void ChartFrame::paintGrid(QPainter& painter) const {
    painter.setPen(kGridColour);
    for (double y = axis_.low + axis_.step; y < axis_.high + kEpsilon; y += axis_.step)
        painter.drawLine(at(xFirst_, y), at(xLast_, y));
    painter.setPen(Qt::black);
    if (axis_.low < 0) painter.drawLine(at(xFirst_, 0), at(xLast_, 0));
    painter.drawRect(plot_);
    for (double y = axis_.low; y <= axis_.high + kEpsilon; y += axis_.step)
        painter.drawText(QRectF(0, at(xFirst_, y).y() - kTickLabelHeight / 2,
                                kChartMarginLeft - kValueLabelGap, kTickLabelHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(y / unit_));
    const double xStep = niceStep(xLast_ - xFirst_);
    for (double x = std::ceil(xFirst_ / xStep) * xStep; x <= xLast_ + kEpsilon; x += xStep) {
        const QPointF foot(at(x, 0).x(), plot_.bottom());
        painter.drawLine(foot, foot + QPointF(0, kTickLength));
        painter.drawText(QRectF(foot.x() - kRoundLabelWidth / 2, plot_.bottom() + kTickLabelGap,
                                kRoundLabelWidth, kTickLabelHeight),
                         Qt::AlignCenter, QString::number(x, 'f', 0));
    }
}

QPolygonF ChartFrame::line(const std::vector<double>& values) const {
    QPolygonF points{atRound(-1, 0)};
    for (int i = 0; i < int(values.size()); ++i) points << atRound(i, values[i]);
    return points;
}

void paintValueTitle(QPainter& painter, const QRectF& plot, const QString& title) {
    painter.save();
    painter.translate(kValueTitleCentre, plot.center().y());
    painter.rotate(-90);
    painter.drawText(
        QRectF(-plot.height() / 2, -kAxisTitleHeight / 2, plot.height(), kAxisTitleHeight),
        Qt::AlignCenter | Qt::TextDontClip, title);
    painter.restore();
}

void paintLegend(QPainter& painter, QPointF corner, const QStringList& names,
                 const QList<QPen>& pens) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLegendBackground);
    painter.drawRect(QRectF(corner.x(), corner.y(), kLegendWidth, legendHeight(names.size())));
    const double left = corner.x() - kLegendInset;
    for (int i = 0; i < names.size(); ++i) {
        const double y = corner.y() - kLegendInset + kLegendFirstRow + i * kLegendRow;
        painter.setPen(pens[i]);
        painter.drawLine(QPointF(left + kSampleFrom, y), QPointF(left + kSampleTo, y));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(left + kNameFrom, y + kNameBaseline), names[i]);
    }
}

double legendHeight(qsizetype rows) {
    return kLegendRow * double(rows) + kLegendPadding;
}

QSizeF beginChart(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.translate(area.topLeft());
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF size = area.size();
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    QFont font = painter.font();
    font.setPixelSize(kChartTextPixels);
    painter.setFont(font);
    return size;
}

}  // namespace k4
