#pragma once

#include <QImage>
#include <QRectF>
#include <vector>

#include "analysis/chart_series.h"
#include "analysis/scored_round.h"
#include "platform/language.h"

class QPainter;

namespace k4 {

// Paints the chart of a backtest into `area` of any painter (a window, an image): the cumulative
// hits against the cumulative hits expected from chance, with the 95% band of chance, above the
// cumulative balance against chance's, axes labelled, the rounds below each plot. Its text needs a
// QGuiApplication.
void paintBacktestChart(QPainter& painter, const QRectF& area, const ChartSeries& series,
                        Language language);

// The rectangles of the two plots, hits above and balance below, in a chart of `size`: where the
// axes' ends stand.
QRectF hitsPlot(QSizeF size);
QRectF balancePlot(QSizeF size);

// The size of the chart's image, as the backtest command writes it and the window saves it.
inline constexpr QSize kChartImageSize(800, 640);

// The chart as an image.
QImage drawBacktestChart(const std::vector<ScoredRound>& rounds, Language language,
                         QSize size = kChartImageSize);

// An image as the bytes of a PNG file.
QByteArray pngBytes(const QImage& image);

}  // namespace k4
