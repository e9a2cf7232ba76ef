#pragma once

#include <QtGlobal>
#include <vector>

#include "analysis/scored_round.h"

namespace k4 {

// What a backtest chart shows, one point a scored round: the round, the cumulative hits, the
// cumulative hits expected from chance and the 95% band of chance around them (the normal
// approximation of the sum of the rounds' chances), and the cumulative balance in yen of the box
// tickets bought at the theoretical prizes against the balance chance leaves on them.
struct ChartSeries {
    qint64 firstRound = 1;  // the axis starts at the round before it, where every count is 0
    std::vector<qint64> rounds;
    std::vector<double> hits, expected, low, high;
    std::vector<double> balance, chanceBalance;
};

ChartSeries chartSeries(const std::vector<ScoredRound>& rounds);

}  // namespace k4
