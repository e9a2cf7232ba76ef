#include "analysis/chart_series.h"

#include <algorithm>
#include <cmath>

#include "analysis/statistics.h"
#include "money/lottery_money.h"

namespace k4 {

ChartSeries chartSeries(const std::vector<ScoredRound>& rounds) {
    ChartSeries series;
    if (!rounds.empty()) series.firstRound = rounds.front().round;
    double hits = 0, expected = 0, variance = 0, balance = 0, chanceBalance = 0;
    for (const ScoredRound& round : rounds) {
        hits += round.hit;
        balance += double(round.returnYen - round.costYen());
        chanceBalance -= double(round.costYen() * (100 - kPayoutPercent)) / 100;
        series.balance.push_back(balance);
        series.chanceBalance.push_back(chanceBalance);
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

}  // namespace k4
