#include "tool/chart.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace k4 {
namespace {

constexpr double kZ95 = 1.959963984540054;
constexpr int kMarginLeft = 70;
constexpr int kMarginRight = 30;
constexpr int kMarginTop = 50;
constexpr int kMarginBottom = 60;
constexpr int kTicks = 5;

struct Series {
    std::vector<double> hits, expected, low, high;
};

Series cumulative(const std::vector<ScoredRound>& rounds) {
    Series series;
    double hits = 0, expected = 0, variance = 0;
    for (const ScoredRound& round : rounds) {
        hits += round.hit;
        expected += round.expected;
        variance += round.expected * (1 - round.expected);
        const double spread = kZ95 * std::sqrt(variance);
        series.hits.push_back(hits);
        series.expected.push_back(expected);
        series.low.push_back(std::max(0.0, expected - spread));
        series.high.push_back(expected + spread);
    }
    return series;
}

// A readable step for an axis that runs from 0 to `top`.
double niceStep(double top) {
    const double raw = std::max(top, 1.0) / kTicks;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (raw <= factor * magnitude) return factor * magnitude;
    return 10 * magnitude;
}

}  // namespace

QImage drawBacktestChart(const std::vector<ScoredRound>& rounds, bool japanese, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const Series series = cumulative(rounds);
    const int count = int(rounds.size());
    const double top = std::max({1.0, series.hits.empty() ? 0.0 : series.hits.back(),
                                 series.high.empty() ? 0.0 : series.high.back()});
    const double yStep = niceStep(top);
    const double yMax = std::ceil(top / yStep) * yStep;
    const double xMax = std::max(count, 1);
    const QRectF plot(kMarginLeft, kMarginTop, size.width() - kMarginLeft - kMarginRight,
                      size.height() - kMarginTop - kMarginBottom);
    const auto at = [&](double x, double y) {
        return QPointF(plot.left() + plot.width() * x / xMax,
                       plot.bottom() - plot.height() * y / yMax);
    };

    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);

    // Grid and ticks.
    painter.setPen(QColor(220, 220, 220));
    for (double y = 0; y <= yMax + 1e-9; y += yStep) painter.drawLine(at(0, y), at(xMax, y));
    painter.setPen(Qt::black);
    painter.drawRect(plot);
    for (double y = 0; y <= yMax + 1e-9; y += yStep)
        painter.drawText(QRectF(0, at(0, y).y() - 8, kMarginLeft - 8, 16),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(y));
    const double xStep = niceStep(xMax);
    for (double x = 0; x <= xMax + 1e-9; x += xStep)
        painter.drawText(QRectF(at(x, 0).x() - 30, plot.bottom() + 4, 60, 16), Qt::AlignCenter,
                         QString::number(x));

    // The band of chance, then the expectation, then the hits.
    if (count > 0) {
        QPolygonF band;
        for (int i = 0; i < count; ++i) band << at(i + 1, series.high[i]);
        for (int i = count - 1; i >= 0; --i) band << at(i + 1, series.low[i]);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(180, 200, 240, 140));
        painter.drawPolygon(band);

        QPolygonF expected, hits;
        expected << at(0, 0);
        hits << at(0, 0);
        for (int i = 0; i < count; ++i) {
            expected << at(i + 1, series.expected[i]);
            hits << at(i + 1, series.hits[i]);
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(40, 70, 160), 2, Qt::DashLine));
        painter.drawPolyline(expected);
        painter.setPen(QPen(QColor(190, 30, 30), 2));
        painter.drawPolyline(hits);
    }

    // Labels and legend.
    painter.setPen(Qt::black);
    const QString title = japanese ? QStringLiteral("バックテスト: 的中数の累計と偶然による期待値")
                                   : QStringLiteral("Backtest: cumulative hits against chance");
    const QString xLabel = japanese ? QStringLiteral("採点した回数") : QStringLiteral("rounds scored");
    const QString yLabel = japanese ? QStringLiteral("的中数（累計）") : QStringLiteral("hits (cumulative)");
    QFont bold = font;
    bold.setPixelSize(16);
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRectF(0, 10, size.width(), 24), Qt::AlignCenter, title);
    painter.setFont(font);
    painter.drawText(QRectF(plot.left(), size.height() - 30, plot.width(), 20), Qt::AlignCenter,
                     xLabel);
    painter.save();
    painter.translate(16, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, -10, plot.height(), 20), Qt::AlignCenter, yLabel);
    painter.restore();

    const QStringList legend =
        japanese ? QStringList{QStringLiteral("的中数"), QStringLiteral("偶然による期待値"),
                               QStringLiteral("偶然の 95% 範囲")}
                 : QStringList{QStringLiteral("hits"), QStringLiteral("expected by chance"),
                               QStringLiteral("95% band of chance")};
    const QList<QPen> pens = {QPen(QColor(190, 30, 30), 2),
                              QPen(QColor(40, 70, 160), 2, Qt::DashLine),
                              QPen(QColor(180, 200, 240), 8)};
    for (int i = 0; i < legend.size(); ++i) {
        const double y = plot.top() + 16 + i * 20;
        painter.setPen(pens[i]);
        painter.drawLine(QPointF(plot.left() + 12, y), QPointF(plot.left() + 40, y));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(plot.left() + 48, y + 5), legend[i]);
    }
    return image;
}

}  // namespace k4
