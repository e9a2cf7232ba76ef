#pragma once

#include <QList>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QStringList>
#include <vector>

class QPainter;

namespace k4 {

// What the program's charts share: a plot of values over rounds with its axes, a title beside
// its value axis and a legend. Every chart leaves kChartMarginLeft pixels left of its plots for
// the value axis's labels and title.

inline constexpr int kChartMarginLeft = 70;
// The pixel size of every text of a chart.
inline constexpr int kChartTextPixels = 13;

// The range of a value axis: from the lowest value to the highest, both on a readable step of at
// least `smallestStep`, with 0 always inside.
struct ValueAxis {
    double low, high, step;
};

ValueAxis valueAxis(double lowest, double highest, double smallestStep = 1);

// Where values over rounds stand in one plot: its rectangle and its scales. The round axis runs
// from the round before `firstRound`, where every line starts at 0, to the last of `rounds`; tick
// labels show values divided by `unit`.
class ChartFrame {
public:
    ChartFrame(const QRectF& plot, qint64 firstRound, const std::vector<qint64>& rounds,
               ValueAxis axis, double unit = 1);

    const QRectF& plot() const { return plot_; }

    // The point of round `x` at value `y`.
    QPointF at(double x, double y) const;
    // Point i stands at the i-th of the rounds; point -1 is the start of the axis.
    QPointF atRound(int i, double y) const;

    // The grid, the frame, the zero line and the labels of both axes.
    void paintGrid(QPainter& painter) const;

    // The polyline of `values`, one a round, from 0 at the start of the axis.
    QPolygonF line(const std::vector<double>& values) const;

private:
    const std::vector<qint64>& rounds_;
    ValueAxis axis_;
    double unit_;
    double xFirst_ = 0, xLast_ = 1;
    QRectF plot_;
};

// A title along the left edge, beside the value axis of `plot`; a low plot's title reaches
// beyond it into the margins.
void paintValueTitle(QPainter& painter, const QRectF& plot, const QString& title);

// A legend box whose top left corner is `corner`: a row a line, a sample of its pen and its name.
void paintLegend(QPainter& painter, QPointF corner, const QStringList& names,
                 const QList<QPen>& pens);

// The height a legend of `rows` rows takes.
double legendHeight(qsizetype rows);

// Starts painting a chart into `area`: saves the painter (the caller restores it), moves its
// origin to the area's corner, fills the area white and sets the charts' text size. Returns the
// area's size.
QSizeF beginChart(QPainter& painter, const QRectF& area);

}  // namespace k4
