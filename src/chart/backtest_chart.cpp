#include "chart/backtest_chart.h"

#include <QBuffer>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "analysis/backtest_report.h"

namespace k4 {
namespace {

// The plots' margins hold the title lines above, the tick labels and axis titles beside and below;
// the hits stand in the upper plot, the balance in the lower, the round labels below each.
constexpr int kMarginLeft = 70;
constexpr int kMarginRight = 30;
constexpr int kMarginTop = 64;
constexpr int kMarginBottom = 60;
constexpr int kPlotGap = 36;
constexpr double kHitsShare = 0.6;   // of the height both plots take
constexpr double kYenUnit = 10'000;  // the balance axis counts in 10,000 yen
constexpr int kTicks = 5;
constexpr int kTitlePixels = 16;
constexpr int kTextPixels = 13;
constexpr double kEpsilon = 1e-9;  // keeps the last tick of an axis despite rounding

// The two title lines: their tops and heights.
constexpr double kTitleTop = 8;
constexpr double kTitleHeight = 22;
constexpr double kTotalsTop = 32;
constexpr double kTotalsHeight = 18;
// Tick labels: their height, the gap to the axis, the width of a round's label, a tick's length.
constexpr int kTickLabelHeight = 16;
constexpr int kTickLabelGap = 6;
constexpr int kValueLabelGap = 8;
constexpr int kRoundLabelWidth = 80;
constexpr int kTickLength = 4;
// The axis titles: the round's line above the bottom edge, the hits' text from the left edge.
constexpr int kRoundTitleAbove = 30;
constexpr int kAxisTitleHeight = 20;
constexpr int kHitsTitleCentre = 16;
// The legend in the plot's top left corner: a row a series, a sample line and its name.
constexpr double kLegendInset = 4;
constexpr double kLegendWidth = 200;
constexpr double kLegendRow = 20;
constexpr double kLegendPadding = 8;
constexpr double kLegendFirstRow = 16;
constexpr double kSampleFrom = 12;
constexpr double kSampleTo = 40;
constexpr double kNameFrom = 48;
constexpr double kNameBaseline = 5;  // below the sample line, so that the text centres on it
constexpr double kLineWidth = 2;
constexpr double kBandSampleWidth = 8;

const QColor kHitsColour(190, 30, 30);
const QColor kBalanceColour(20, 130, 60);
const QColor kChanceBalanceColour(120, 120, 120);
const QColor kExpectedColour(40, 70, 160);
const QColor kBandColour(180, 200, 240, 140);
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

// The range of a value axis: from the lowest value to the highest, both on a readable step of at
// least `smallestStep`, with 0 always inside.
struct ValueAxis {
    double low, high, step;
};

ValueAxis valueAxis(double lowest, double highest, double smallestStep = 1) {
    lowest = std::min(lowest, 0.0);
    highest = std::max({highest, lowest + smallestStep, 0.0});
    const double step = niceStep(highest - lowest, smallestStep);
    return {std::floor(lowest / step) * step, std::ceil(highest / step) * step, step};
}

// Where the values of a series stand in one plot: its rectangle and its scales. Tick labels show
// values divided by `unit`.
class ChartFrame {
public:
    ChartFrame(const QRectF& plot, const ChartSeries& series, ValueAxis axis, double unit = 1)
        : series_(series), axis_(axis), unit_(unit), plot_(plot) {
        xFirst_ = double(series.firstRound - 1);
        xLast_ = series.rounds.empty() ? xFirst_ + 1 : double(series.rounds.back());
    }

    const QRectF& plot() const { return plot_; }

    // The point of round `x` at value `y`.
    QPointF at(double x, double y) const {
        return QPointF(
            plot_.left() + plot_.width() * (x - xFirst_) / (xLast_ - xFirst_),
            plot_.bottom() - plot_.height() * (y - axis_.low) / (axis_.high - axis_.low));
    }

    // Point i stands at the round scored i-th; point -1 is the start of the axis.
    QPointF atRound(int i, double y) const {
        return at(i < 0 ? xFirst_ : double(series_.rounds[i]), y);
    }

    void paintGrid(QPainter& painter) const {
        painter.setPen(kGridColour);
        for (double y = axis_.low + axis_.step; y < axis_.high + kEpsilon; y += axis_.step)
            painter.drawLine(at(xFirst_, y), at(xLast_, y));
        painter.setPen(Qt::black);
        if (axis_.low < 0) painter.drawLine(at(xFirst_, 0), at(xLast_, 0));
        painter.drawRect(plot_);
        for (double y = axis_.low; y <= axis_.high + kEpsilon; y += axis_.step)
            painter.drawText(QRectF(0, at(xFirst_, y).y() - kTickLabelHeight / 2,
                                    kMarginLeft - kValueLabelGap, kTickLabelHeight),
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

    // The polyline of `values` from 0 at the start of the axis.
    QPolygonF line(const std::vector<double>& values) const {
        QPolygonF points{atRound(-1, 0)};
        for (int i = 0; i < int(values.size()); ++i) points << atRound(i, values[i]);
        return points;
    }

private:
    const ChartSeries& series_;
    ValueAxis axis_;
    double unit_;
    double xFirst_ = 0, xLast_ = 1;
    QRectF plot_;
};

ChartFrame hitsFrame(const QSizeF& size, const ChartSeries& series) {
    const double top = std::max(series.hits.empty() ? 0.0 : series.hits.back(),
                                series.high.empty() ? 0.0 : series.high.back());
    return ChartFrame(hitsPlot(size), series, valueAxis(0, top));
}

ChartFrame balanceFrame(const QSizeF& size, const ChartSeries& series) {
    double lowest = 0, highest = 0;
    for (const std::vector<double>* values : {&series.balance, &series.chanceBalance})
        for (const double value : *values) {
            lowest = std::min(lowest, value);
            highest = std::max(highest, value);
        }
    // A tenth of the axis's unit at the least: its labels have one decimal at most (0.1, not
    // 0.0001), and stay clear of the axis title beside them.
    return ChartFrame(balancePlot(size), series, valueAxis(lowest, highest, kYenUnit / 10),
                      kYenUnit);
}

// The band of chance, then the expectation, then the hits over both.
void paintSeries(QPainter& painter, const ChartFrame& frame, const ChartSeries& series) {
    const int count = int(series.rounds.size());
    if (count == 0) return;
    QPolygonF band;
    for (int i = 0; i < count; ++i) band << frame.atRound(i, series.high[i]);
    for (int i = count - 1; i >= 0; --i) band << frame.atRound(i, series.low[i]);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBandColour);
    painter.drawPolygon(band);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kExpectedColour, kLineWidth, Qt::DashLine));
    painter.drawPolyline(frame.line(series.expected));
    painter.setPen(QPen(kHitsColour, kLineWidth));
    painter.drawPolyline(frame.line(series.hits));
}

// The balance that chance leaves, then the balance of the prediction over it.
void paintBalance(QPainter& painter, const ChartFrame& frame, const ChartSeries& series) {
    if (series.rounds.empty()) return;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kChanceBalanceColour, kLineWidth, Qt::DashLine));
    painter.drawPolyline(frame.line(series.chanceBalance));
    painter.setPen(QPen(kBalanceColour, kLineWidth));
    painter.drawPolyline(frame.line(series.balance));
}

// A title along the left edge, beside the value axis of `plot`; a low plot's title reaches
// beyond it into the margins.
void paintValueTitle(QPainter& painter, const QRectF& plot, const QString& title) {
    painter.save();
    painter.translate(kHitsTitleCentre, plot.center().y());
    painter.rotate(-90);
    painter.drawText(
        QRectF(-plot.height() / 2, -kAxisTitleHeight / 2, plot.height(), kAxisTitleHeight),
        Qt::AlignCenter | Qt::TextDontClip, title);
    painter.restore();
}

// The title with the totals, and the titles of the axes.
void paintTitles(QPainter& painter, const QSizeF& size, const ChartSeries& series,
                 Language language) {
    const QFont font = painter.font();
    QFont bold = font;
    bold.setPixelSize(kTitlePixels);
    bold.setBold(true);
    painter.setPen(Qt::black);
    painter.setFont(bold);
    painter.drawText(QRectF(0, kTitleTop, size.width(), kTitleHeight), Qt::AlignCenter,
                     inLanguage(language, u"バックテスト: 的中数と収支の累計、偶然による期待値",
                                u"Backtest: cumulative hits and balance against chance"));
    painter.setFont(font);
    painter.drawText(
        QRectF(0, kTotalsTop, size.width(), kTotalsHeight), Qt::AlignCenter,
        inLanguage(language, u"%1 回を採点、的中 %2 回、偶然による期待値 %3 回、収支 %4",
                   u"%1 rounds scored, %2 hits, %3 expected from chance, balance %4")
            .arg(series.rounds.size())
            .arg(series.hits.empty() ? 0 : series.hits.back())
            .arg(series.expected.empty() ? 0 : series.expected.back(), 0, 'f', 2)
            .arg(yenText(qint64(series.balance.empty() ? 0 : series.balance.back()), language)));
    const QRectF lower = balancePlot(size);
    painter.drawText(
        QRectF(lower.left(), size.height() - kRoundTitleAbove, lower.width(), kAxisTitleHeight),
        Qt::AlignCenter, inLanguage(language, u"回号", u"round"));
    paintValueTitle(painter, hitsPlot(size),
                    inLanguage(language, u"的中数（累計）", u"hits (cumulative)"));
    paintValueTitle(painter, lower,
                    inLanguage(language, u"収支（累計、万円）", u"balance (10,000 yen)"));
}

// A legend box whose top left corner is `corner`: a row a series, a sample line and its name.
void paintLegend(QPainter& painter, QPointF corner, const QStringList& names,
                 const QList<QPen>& pens) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLegendBackground);
    painter.drawRect(
        QRectF(corner.x(), corner.y(), kLegendWidth, kLegendRow * names.size() + kLegendPadding));
    const double left = corner.x() - kLegendInset;
    for (int i = 0; i < names.size(); ++i) {
        const double y = corner.y() - kLegendInset + kLegendFirstRow + i * kLegendRow;
        painter.setPen(pens[i]);
        painter.drawLine(QPointF(left + kSampleFrom, y), QPointF(left + kSampleTo, y));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(left + kNameFrom, y + kNameBaseline), names[i]);
    }
}

// The hits' legend in the upper plot's top left corner, where the lines start low; the balance's
// in the lower plot's bottom left corner, where the lines start high.
void paintLegends(QPainter& painter, const QSizeF& size, Language language) {
    const QRectF upper = hitsPlot(size);
    paintLegend(painter, upper.topLeft() + QPointF(kLegendInset, kLegendInset),
                {inLanguage(language, u"的中数", u"hits"),
                 inLanguage(language, u"偶然による期待値", u"expected by chance"),
                 inLanguage(language, u"偶然の 95% 範囲", u"95% band of chance")},
                {QPen(kHitsColour, kLineWidth), QPen(kExpectedColour, kLineWidth, Qt::DashLine),
                 QPen(kBandColour, kBandSampleWidth)});
    const QRectF lower = balancePlot(size);
    const QStringList names = {
        inLanguage(language, u"収支（理論上の賞金）", u"balance (theoretical)"),
        inLanguage(language, u"偶然による収支", u"balance of chance")};
    paintLegend(
        painter,
        lower.bottomLeft() +
            QPointF(kLegendInset, -kLegendInset - kLegendRow * names.size() - kLegendPadding),
        names,
        {QPen(kBalanceColour, kLineWidth), QPen(kChanceBalanceColour, kLineWidth, Qt::DashLine)});
}

}  // namespace

QRectF hitsPlot(QSizeF size) {
    const double both = size.height() - kMarginTop - kMarginBottom - kPlotGap;
    return QRectF(kMarginLeft, kMarginTop, size.width() - kMarginLeft - kMarginRight,
                  both * kHitsShare);
}

QRectF balancePlot(QSizeF size) {
    const QRectF above = hitsPlot(size);
    return QRectF(kMarginLeft, above.bottom() + kPlotGap, above.width(),
                  size.height() - kMarginBottom - above.bottom() - kPlotGap);
}

void paintBacktestChart(QPainter& painter, const QRectF& area, const ChartSeries& series,
                        Language language) {
    painter.save();
    painter.translate(area.topLeft());
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF size = area.size();
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    QFont font = painter.font();
    font.setPixelSize(kTextPixels);
    painter.setFont(font);

    const ChartFrame hits = hitsFrame(size, series);
    hits.paintGrid(painter);
    paintSeries(painter, hits, series);
    const ChartFrame balance = balanceFrame(size, series);
    balance.paintGrid(painter);
    paintBalance(painter, balance, series);
    paintTitles(painter, size, series, language);
    paintLegends(painter, size, language);
    painter.restore();
}

QImage drawBacktestChart(const std::vector<ScoredRound>& rounds, Language language, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    paintBacktestChart(painter, QRectF(QPointF(0, 0), size), chartSeries(rounds), language);
    return image;
}

QByteArray pngBytes(const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

}  // namespace k4
