#include "ui/statistics/chart_widget.h"

#include <QPainter>

#include "chart/backtest_chart.h"

namespace k4 {
namespace {

constexpr QSize kSmallest(520, 320);

}  // namespace

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent) {
    setMinimumSize(kSmallest);
}

void ChartWidget::setSeries(ChartSeries series) {
    series_ = std::move(series);
    update();
}

void ChartWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintBacktestChart(painter, rect(), series_, Language::Japanese);
}

}  // namespace k4
