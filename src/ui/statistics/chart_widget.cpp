#include "ui/statistics/chart_widget.h"

#include <QPainter>

#include "chart/backtest_chart.h"
#include "chart/balance_plot.h"

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

BalanceChart::BalanceChart(QWidget* parent) : QWidget(parent) {}

void BalanceChart::setBalances(const std::vector<RoundBalance>& balances) {
    firstRound_ = balances.empty() ? 1 : balances.front().round;
    rounds_.clear();
    yen_.clear();
    for (const RoundBalance& balance : balances) {
        rounds_.push_back(balance.round);
        yen_.push_back(double(balance.balanceYen));
    }
    update();
}

void BalanceChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintBalanceChart(painter, rect(), QStringLiteral("抽せん済みの回ごとの収支の累計"),
                      firstRound_, rounds_, {yen_, balancePen(), QStringLiteral("収支")},
                      Language::Japanese);
}

}  // namespace k4
