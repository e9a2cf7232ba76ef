#include "analysis/chart.h"

#include <QBuffer>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "analysis/statistics.h"

namespace k4 {
namespace {

// The plot's margins hold the title lines above, the tick labels and axis titles beside and below.
constexpr int kMarginLeft = 70;
constexpr int kMarginRight = 30;
constexpr int kMarginTop = 64;
constexpr int kMarginBottom = 60;
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
const QColor kExpectedColour(40, 70, 160);
const QColor kBandColour(180, 200, 240, 140);
const QColor kGridColour(220, 220, 220);
const QColor kLegendBackground(255, 255, 255, 220);

// A readable step for an axis that spans `span`: 1, 2 or 5 times a power of ten.
double niceStep(double span) {
    const double raw = std::max(span, 1.0) / kTicks;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0})
        if (raw <= factor * magnitude) return std::max(1.0, factor * magnitude);
    return std::max(1.0, 10 * magnitude);
}

// Where the values of a series stand in the picture: the plot's rectangle and its scales.
class ChartFrame {
public:
    ChartFrame(const QSizeF& size, const ChartSeries& series) : series_(series) {
        xFirst_ = double(series.firstRound - 1);
        xLast_ = series.rounds.empty() ? xFirst_ + 1 : double(series.rounds.back());
        const double top = std::max({1.0, series.hits.empty() ? 0.0 : series.hits.back(),
                                     series.high.empty() ? 0.0 : series.high.back()});
        yStep_ = niceStep(top);
        yMax_ = std::ceil(top / yStep_) * yStep_;
        plot_ = QRectF(kMarginLeft, kMarginTop, size.width() - kMarginLeft - kMarginRight,
                       size.height() - kMarginTop - kMarginBottom);
    }

    const QRectF& plot() const { return plot_; }

    // The point of round `x` at value `y`.
    QPointF at(double x, double y) const {
        return QPointF(plot_.left() + plot_.width() * (x - xFirst_) / (xLast_ - xFirst_),
                       plot_.bottom() - plot_.height() * y / yMax_);
    }

    // Point i stands at the round scored i-th; point -1 is the start of the axis.
    QPointF atRound(int i, double y) const {
        return at(i < 0 ? xFirst_ : double(series_.rounds[i]), y);
    }

    void paintGrid(QPainter& painter) const {
        painter.setPen(kGridColour);
        for (double y = yStep_; y <= yMax_ + kEpsilon; y += yStep_)
            painter.drawLine(at(xFirst_, y), at(xLast_, y));
        painter.setPen(Qt::black);
        painter.drawRect(plot_);
        for (double y = 0; y <= yMax_ + kEpsilon; y += yStep_)
            painter.drawText(QRectF(0, at(xFirst_, y).y() - kTickLabelHeight / 2,
                                    kMarginLeft - kValueLabelGap, kTickLabelHeight),
                             Qt::AlignRight | Qt::AlignVCenter, QString::number(y));
        const double xStep = niceStep(xLast_ - xFirst_);
        for (double x = std::ceil(xFirst_ / xStep) * xStep; x <= xLast_ + kEpsilon; x += xStep) {
            painter.drawLine(at(x, 0), at(x, 0) + QPointF(0, kTickLength));
            painter.drawText(
                QRectF(at(x, 0).x() - kRoundLabelWidth / 2, plot_.bottom() + kTickLabelGap,
                       kRoundLabelWidth, kTickLabelHeight),
                Qt::AlignCenter, QString::number(x, 'f', 0));
        }
    }

private:
    const ChartSeries& series_;
    double xFirst_, xLast_, yStep_, yMax_;
    QRectF plot_;
};

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

    QPolygonF expected{frame.atRound(-1, 0)};
    QPolygonF hits{frame.atRound(-1, 0)};
    for (int i = 0; i < count; ++i) {
        expected << frame.atRound(i, series.expected[i]);
        hits << frame.atRound(i, series.hits[i]);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kExpectedColour, kLineWidth, Qt::DashLine));
    painter.drawPolyline(expected);
    painter.setPen(QPen(kHitsColour, kLineWidth));
    painter.drawPolyline(hits);
}

// The title with the totals, and the titles of the axes.
void paintTitles(QPainter& painter, const QSizeF& size, const ChartFrame& frame,
                 const ChartSeries& series, Language language) {
    const auto text = [language](const char16_t* japanese, const char16_t* english) {
        return inLanguage(language, QString::fromUtf16(japanese), QString::fromUtf16(english));
    };
    const QFont font = painter.font();
    QFont bold = font;
    bold.setPixelSize(kTitlePixels);
    bold.setBold(true);
    painter.setPen(Qt::black);
    painter.setFont(bold);
    painter.drawText(QRectF(0, kTitleTop, size.width(), kTitleHeight), Qt::AlignCenter,
                     text(u"バックテスト: 的中数の累計と偶然による期待値",
                          u"Backtest: cumulative hits against chance"));
    painter.setFont(font);
    painter.drawText(QRectF(0, kTotalsTop, size.width(), kTotalsHeight), Qt::AlignCenter,
                     text(u"%1 回を採点、的中 %2 回、偶然による期待値 %3 回",
                          u"%1 rounds scored, %2 hits, %3 expected from chance")
                         .arg(series.rounds.size())
                         .arg(series.hits.empty() ? 0 : series.hits.back())
                         .arg(series.expected.empty() ? 0 : series.expected.back(), 0, 'f', 2));
    const QRectF& plot = frame.plot();
    painter.drawText(
        QRectF(plot.left(), size.height() - kRoundTitleAbove, plot.width(), kAxisTitleHeight),
        Qt::AlignCenter, text(u"回号", u"round"));
    painter.save();
    painter.translate(kHitsTitleCentre, plot.center().y());
    painter.rotate(-90);
    painter.drawText(
        QRectF(-plot.height() / 2, -kAxisTitleHeight / 2, plot.height(), kAxisTitleHeight),
        Qt::AlignCenter, text(u"的中数（累計）", u"hits (cumulative)"));
    painter.restore();
}

void paintLegend(QPainter& painter, const QRectF& plot, Language language) {
    const auto text = [language](const char16_t* japanese, const char16_t* english) {
        return inLanguage(language, QString::fromUtf16(japanese), QString::fromUtf16(english));
    };
    const QStringList names = {text(u"的中数", u"hits"),
                               text(u"偶然による期待値", u"expected by chance"),
                               text(u"偶然の 95% 範囲", u"95% band of chance")};
    const QList<QPen> pens = {QPen(kHitsColour, kLineWidth),
                              QPen(kExpectedColour, kLineWidth, Qt::DashLine),
                              QPen(kBandColour, kBandSampleWidth)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLegendBackground);
    painter.drawRect(QRectF(plot.left() + kLegendInset, plot.top() + kLegendInset, kLegendWidth,
                            kLegendRow * names.size() + kLegendPadding));
    for (int i = 0; i < names.size(); ++i) {
        const double y = plot.top() + kLegendFirstRow + i * kLegendRow;
        painter.setPen(pens[i]);
        painter.drawLine(QPointF(plot.left() + kSampleFrom, y),
                         QPointF(plot.left() + kSampleTo, y));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(plot.left() + kNameFrom, y + kNameBaseline), names[i]);
    }
}

}  // namespace

ChartSeries chartSeries(const std::vector<ScoredRound>& rounds) {
    ChartSeries series;
    if (!rounds.empty()) series.firstRound = rounds.front().round;
    double hits = 0, expected = 0, variance = 0;
    for (const ScoredRound& round : rounds) {
        hits += round.hit;
        expected += round.expected;
        variance += round.expected * (1 - round.expected);
        const double spread = kNormalQuantile95 * std::sqrt(variance);
        series.rounds.push_back(round.round);
        series.hits.push_back(hits);
        series.expected.push_back(expected);
        series.low.push_back(std::max(0.0, expected - spread));
        series.high.push_back(expected + spread);
    }
    return series;
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

    const ChartFrame frame(size, series);
    frame.paintGrid(painter);
    paintSeries(painter, frame, series);
    paintTitles(painter, size, frame, series, language);
    paintLegend(painter, frame.plot(), language);
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
