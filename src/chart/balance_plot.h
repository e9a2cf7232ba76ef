#pragma once

#include <QPen>
#include <QRectF>
#include <QString>
#include <vector>

#include "platform/language.h"

class QPainter;

namespace k4 {

// The plot of a cumulative balance over rounds, in 10,000 yen, as the backtest chart draws it
// under its hits and the ticket book's chart draws it alone.

// One line of the plot: its value after each round, in yen, and its pen and name in the legend.
struct BalanceLine {
    std::vector<double> yen;
    QPen pen;
    QString name;
};

// The colour of the balance itself; a balance it is set against is drawn in grey dashes.
QPen balancePen();
QPen comparedBalancePen();

// Paints the lines in `plot`, the first over the others and first in the legend, over the rounds
// `rounds` (the axis starts at the round before `firstRound`), with the grid, the axes' labels, the
// value axis's title to the left of `plot` (from the painter's left edge) and the legend in the
// plot's bottom left corner, where the lines start high.
void paintBalancePlot(QPainter& painter, const QRectF& plot, qint64 firstRound,
                      const std::vector<qint64>& rounds, const std::vector<BalanceLine>& lines,
                      Language language);

// A chart of one balance alone into `area` of any painter: `title` above, the plot, the rounds
// below. Its text needs a QGuiApplication.
void paintBalanceChart(QPainter& painter, const QRectF& area, const QString& title,
                       qint64 firstRound, const std::vector<qint64>& rounds,
                       const BalanceLine& balance, Language language);

}  // namespace k4
