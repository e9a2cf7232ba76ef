#pragma once

#include <QWidget>
#include <vector>

#include "analysis/chart_series.h"
#include "money/ticket_totals.h"

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

// The ticket book's balance after each drawn round, drawn as the backtest chart draws its
// balance.
class BalanceChart : public QWidget {
    Q_OBJECT

public:
    explicit BalanceChart(QWidget* parent = nullptr);

    void setBalances(const std::vector<RoundBalance>& balances);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    qint64 firstRound_ = 1;
    std::vector<qint64> rounds_;
    std::vector<double> yen_;
};

}  // namespace k4
