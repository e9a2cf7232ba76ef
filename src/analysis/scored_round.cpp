#include "analysis/scored_round.h"

namespace k4 {

BacktestSummary summarize(const std::vector<ScoredRound>& rounds) {
    BacktestSummary summary;
    std::vector<double> chances;
    chances.reserve(rounds.size());
    for (const ScoredRound& round : rounds) {
        summary.hits += round.hit;
        summary.expectedHits += round.expected;
        chances.push_back(round.expected);
    }
    summary.rounds = int(rounds.size());
    summary.ratio = summary.expectedHits > 0 ? summary.hits / summary.expectedHits : 0.0;
    summary.hitRate = wilsonInterval(summary.hits, summary.rounds);
    summary.chanceRate = summary.rounds > 0 ? summary.expectedHits / summary.rounds : 0.0;
    summary.pValue = upperTailProbability(chances, summary.hits);
    return summary;
}

}  // namespace k4
