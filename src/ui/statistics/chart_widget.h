#pragma once

#include <QWidget>

#include "analysis/chart_series.h"

namespace k4 {

// The backtest chart on screen, painted by the same code that writes the chart's picture.
class ChartWidget : public QWidget {
    Q_OBJECT

public:
    explicit ChartWidget(QWidget* parent = nullptr);

    void setSeries(ChartSeries series);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChartSeries series_;
};

}  // namespace k4
