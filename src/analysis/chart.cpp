#include "analysis/chart.h"

#include <QBuffer>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "analysis/statistics.h"

namespace k4 {
namespace {

constexpr int kMarginLeft = 70;
constexpr int kMarginRight = 30;
constexpr int kMarginTop = 64;
constexpr int kMarginBottom = 60;
constexpr int kTicks = 5;
constexpr int kTitlePixels = 16;
constexpr int kTextPixels = 13;
constexpr double kEpsilon = 1e-9;  // keeps the last tick of an axis despite rounding

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
    const auto text = [language](const char16_t* japanese, const char16_t* english) {
        return inLanguage(language, QString::fromUtf16(japanese), QString::fromUtf16(english));
    };
    painter.save();
    painter.translate(area.topLeft());
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF size = area.size();
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);

    const int count = int(series.rounds.size());
    const double xFirst = double(series.firstRound - 1);
    const double xLast = count > 0 ? double(series.rounds.back()) : xFirst + 1;
    const double top = std::max({1.0, series.hits.empty() ? 0.0 : series.hits.back(),
                                 series.high.empty() ? 0.0 : series.high.back()});
    const double yStep = niceStep(top);
    const double yMax = std::ceil(top / yStep) * yStep;
    const QRectF plot(kMarginLeft, kMarginTop, size.width() - kMarginLeft - kMarginRight,
                      size.height() - kMarginTop - kMarginBottom);
    const auto at = [&](double x, double y) {
        return QPointF(plot.left() + plot.width() * (x - xFirst) / (xLast - xFirst),
                       plot.bottom() - plot.height() * y / yMax);
    };
    // Point i stands at the round scored i-th; point -1 is the start of the axis.
    const auto atRound = [&](int i, double y) {
        return at(i < 0 ? xFirst : double(series.rounds[i]), y);
    };

    QFont font = painter.font();
    font.setPixelSize(kTextPixels);
    painter.setFont(font);

    // Grid and ticks.
    painter.setPen(kGridColour);
    for (double y = yStep; y <= yMax + kEpsilon; y += yStep)
        painter.drawLine(at(xFirst, y), at(xLast, y));
    painter.setPen(Qt::black);
    painter.drawRect(plot);
    for (double y = 0; y <= yMax + kEpsilon; y += yStep)
        painter.drawText(QRectF(0, at(xFirst, y).y() - 8, kMarginLeft - 8, 16),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(y));
    const double xStep = niceStep(xLast - xFirst);
    for (double x = std::ceil(xFirst / xStep) * xStep; x <= xLast + kEpsilon; x += xStep) {
        painter.drawLine(at(x, 0), at(x, 0) + QPointF(0, 4));
        painter.drawText(QRectF(at(x, 0).x() - 40, plot.bottom() + 6, 80, 16), Qt::AlignCenter,
                         QString::number(x, 'f', 0));
    }

    // The band of chance, then the expectation, then the hits.
    if (count > 0) {
        QPolygonF band;
        for (int i = 0; i < count; ++i) band << atRound(i, series.high[i]);
        for (int i = count - 1; i >= 0; --i) band << atRound(i, series.low[i]);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kBandColour);
        painter.drawPolygon(band);

        QPolygonF expected{atRound(-1, 0)};
        QPolygonF hits{atRound(-1, 0)};
        for (int i = 0; i < count; ++i) {
            expected << atRound(i, series.expected[i]);
            hits << atRound(i, series.hits[i]);
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kExpectedColour, 2, Qt::DashLine));
        painter.drawPolyline(expected);
        painter.setPen(QPen(kHitsColour, 2));
        painter.drawPolyline(hits);
    }

    // Title with the totals, axis labels and legend.
    painter.setPen(Qt::black);
    QFont bold = font;
    bold.setPixelSize(kTitlePixels);
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRectF(0, 8, size.width(), 22), Qt::AlignCenter,
                     text(u"バックテスト: 的中数の累計と偶然による期待値",
                          u"Backtest: cumulative hits against chance"));
    painter.setFont(font);
    const double hitsTotal = series.hits.empty() ? 0 : series.hits.back();
    const double expectedTotal = series.expected.empty() ? 0 : series.expected.back();
    painter.drawText(QRectF(0, 32, size.width(), 18), Qt::AlignCenter,
                     text(u"%1 回を採点、的中 %2 回、偶然による期待値 %3 回",
                          u"%1 rounds scored, %2 hits, %3 expected from chance")
                         .arg(count)
                         .arg(hitsTotal)
                         .arg(expectedTotal, 0, 'f', 2));
    painter.drawText(QRectF(plot.left(), size.height() - 30, plot.width(), 20), Qt::AlignCenter,
                     text(u"回号", u"round"));
    painter.save();
    painter.translate(16, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, -10, plot.height(), 20), Qt::AlignCenter,
                     text(u"的中数（累計）", u"hits (cumulative)"));
    painter.restore();

    const QStringList legend = {text(u"的中数", u"hits"),
                                text(u"偶然による期待値", u"expected by chance"),
                                text(u"偶然の 95% 範囲", u"95% band of chance")};
    const QList<QPen> pens = {QPen(kHitsColour, 2), QPen(kExpectedColour, 2, Qt::DashLine),
                              QPen(kBandColour, 8)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLegendBackground);
    painter.drawRect(QRectF(plot.left() + 4, plot.top() + 4, 200, 20 * legend.size() + 8));
    for (int i = 0; i < legend.size(); ++i) {
        const double y = plot.top() + 16 + i * 20;
        painter.setPen(pens[i]);
        painter.drawLine(QPointF(plot.left() + 12, y), QPointF(plot.left() + 40, y));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(plot.left() + 48, y + 5), legend[i]);
    }
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
