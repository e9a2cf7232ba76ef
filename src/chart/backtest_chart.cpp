#include "chart/backtest_chart.h"

#include <QBuffer>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

#include "analysis/backtest_report.h"
#include "chart/balance_plot.h"
#include "chart/chart_frame.h"

namespace k4 {
namespace {

// The plots' margins hold the title lines above, the tick labels and axis titles beside and below;
// the hits stand in the upper plot, the balance in the lower, the round labels below each.
constexpr int kMarginRight = 30;
constexpr int kMarginTop = 64;
constexpr int kMarginBottom = 60;
constexpr int kPlotGap = 36;
constexpr double kHitsShare = 0.6;  // of the height both plots take
constexpr int kTitlePixels = 16;

// The two title lines: their tops and heights.
constexpr double kTitleTop = 8;
constexpr double kTitleHeight = 22;
constexpr double kTotalsTop = 32;
constexpr double kTotalsHeight = 18;
// The round axis's title: its line above the bottom edge.
constexpr int kRoundTitleAbove = 30;
constexpr int kAxisTitleHeight = 20;
// The legend in the upper plot's top left corner.
constexpr double kLegendInset = 4;
constexpr double kLineWidth = 2;
constexpr double kBandSampleWidth = 8;

const QColor kHitsColour(190, 30, 30);
const QColor kExpectedColour(40, 70, 160);
const QColor kBandColour(180, 200, 240, 140);

ChartFrame hitsFrame(const QSizeF& size, const ChartSeries& series) {
    const double top = std::max(series.hits.empty() ? 0.0 : series.hits.back(),
                                series.high.empty() ? 0.0 : series.high.back());
    return ChartFrame(hitsPlot(size), series.firstRound, series.rounds, valueAxis(0, top));
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

// The balance of the prediction over the balance that chance leaves, with their legend.
void paintBalance(QPainter& painter, const QSizeF& size, const ChartSeries& series,
                  Language language) {
    paintBalancePlot(painter, balancePlot(size), series.firstRound, series.rounds,
                     {{series.balance, balancePen(),
                       inLanguage(language, u"収支（理論上の賞金）", u"balance (theoretical)")},
                      {series.chanceBalance, comparedBalancePen(),
                       inLanguage(language, u"偶然による収支", u"balance of chance")}},
                     language);
}

// The title with the totals, and the titles of the round axis and of the hits.
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
}

// The hits' legend in the upper plot's top left corner, where the lines start low.
void paintHitsLegend(QPainter& painter, const QSizeF& size, Language language) {
    const QRectF upper = hitsPlot(size);
    paintLegend(painter, upper.topLeft() + QPointF(kLegendInset, kLegendInset),
                {inLanguage(language, u"的中数", u"hits"),
                 inLanguage(language, u"偶然による期待値", u"expected by chance"),
                 inLanguage(language, u"偶然の 95% 範囲", u"95% band of chance")},
                {QPen(kHitsColour, kLineWidth), QPen(kExpectedColour, kLineWidth, Qt::DashLine),
                 QPen(kBandColour, kBandSampleWidth)});
}

}  // namespace

QRectF hitsPlot(QSizeF size) {
    const double both = size.height() - kMarginTop - kMarginBottom - kPlotGap;
    return QRectF(kChartMarginLeft, kMarginTop, size.width() - kChartMarginLeft - kMarginRight,
                  both * kHitsShare);
}

QRectF balancePlot(QSizeF size) {
    const QRectF above = hitsPlot(size);
    return QRectF(kChartMarginLeft, above.bottom() + kPlotGap, above.width(),
                  size.height() - kMarginBottom - above.bottom() - kPlotGap);
}

void paintBacktestChart(QPainter& painter, const QRectF& area, const ChartSeries& series,
                        Language language) {
    const QSizeF size = beginChart(painter, area);

    const ChartFrame hits = hitsFrame(size, series);
    hits.paintGrid(painter);
    paintSeries(painter, hits, series);
    paintBalance(painter, size, series, language);
    paintTitles(painter, size, series, language);
    paintHitsLegend(painter, size, language);
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
