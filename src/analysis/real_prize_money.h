#pragma once

#include <optional>
#include <vector>

#include "analysis/scored_round.h"
#include "data/prize_file.h"
#include "money/return_rate.h"

namespace k4 {

// The backtest's money at the prizes the rounds really paid, beside the theoretical one: each
// hit pays its round's published box prize for the one unit bought.
struct RealPrizeMoney {
    qint64 rounds = 0;        // the scored rounds counted
    qint64 pricedRounds = 0;  // of them, the rounds whose box prize is known
    qint64 hitsLeftOut = 0;   // rounds hit whose box prize is not known: not counted at all
    qint64 tickets = 0;
    qint64 costYen = 0;
    qint64 returnYen = 0;

    qint64 balanceYen() const { return returnYen - costYen; }
    ReturnRate returnRate() const { return {returnYen, costYen}; }
};

// The box prize per unit that `round` paid: the prize row's, while the row holds the same
// result as the round scored; none otherwise.
std::optional<qint64> realBoxPrize(const ScoredRound& round, const PrizeTable& prizes);

// The real-prize money over every scored round except those hit in a round whose box prize is
// not known (counted in hitsLeftOut). A round that missed costs its tickets whether its prize
// is known or not. No round is priced where no prize is known: the block is then not shown.
RealPrizeMoney realPrizeMoney(const std::vector<ScoredRound>& rounds, const PrizeTable& prizes);

}  // namespace k4
