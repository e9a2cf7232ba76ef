#include "analysis/scored_round.h"

#include "money/lottery_money.h"

namespace k4 {

qint64 ScoredRound::costYen() const {
    return tickets * kUnitYen;
}

BacktestSummary summarize(const std::vector<ScoredRound>& rounds) {
    BacktestSummary summary;
    std::vector<double> chances;
    chances.reserve(rounds.size());
    for (const ScoredRound& round : rounds) {
        summary.hits += round.hit;
        summary.expectedHits += round.expected;
        chances.push_back(round.expected);
        summary.tickets += round.tickets;
        summary.costYen += round.costYen();
        summary.returnYen += round.returnYen;
    }
    summary.rounds = int(rounds.size());
    summary.ratio = summary.expectedHits > 0 ? summary.hits / summary.expectedHits : 0.0;
    summary.hitRate = wilsonInterval(summary.hits, summary.rounds);
    summary.chanceRate = summary.rounds > 0 ? summary.expectedHits / summary.rounds : 0.0;
    summary.pValue = upperTailProbability(chances, summary.hits);
    return summary;
}

}  // namespace k4
