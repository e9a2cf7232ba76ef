#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "analysis/statistics.h"

namespace k4 {

// One round of a backtest: what the prediction listed before the draw, and what was drawn.
struct ScoredRound {
    qint64 round = 0;
    QString drawn;
    QStringList predicted;  // display forms, as the main window lists them
    bool hit = false;       // the draw is a box match of one of the predictions
    double expected = 0.0;  // the chance of a hit on a fair draw
    int tickets = 0;        // box tickets bought: the predictions that can be bought as a box
    qint64 returnYen = 0;   // the theoretical prizes those tickets won
    qint64 costYen() const;
};

// The totals of a backtest against chance.
struct BacktestSummary {
    int rounds = 0;
    int hits = 0;
    double expectedHits = 0.0;
    double ratio = 0.0;       // hits over expected hits; 0 when nothing was expected
    Interval hitRate{0, 1};   // 95% Wilson interval of the hit rate
    double chanceRate = 0.0;  // expected hits per round
    double pValue = 1.0;      // P(at least this many hits by chance alone)
    qint64 tickets = 0;
    qint64 costYen = 0;
    qint64 returnYen = 0;
    qint64 balanceYen() const { return returnYen - costYen; }
    double returnRate() const { return costYen > 0 ? double(returnYen) / costYen : 0.0; }
};

BacktestSummary summarize(const std::vector<ScoredRound>& rounds);

}  // namespace k4
