#include "analysis/real_prize_money.h"

namespace k4 {

std::optional<qint64> realBoxPrize(const ScoredRound& round, const PrizeTable& prizes) {
    const auto row = prizes.find(qint32(round.round));
    if (row == prizes.end() || row->first != round.round || row->second.result != round.drawn)
        return std::nullopt;
    return row->second.box;
}

RealPrizeMoney realPrizeMoney(const std::vector<ScoredRound>& rounds, const PrizeTable& prizes) {
    RealPrizeMoney money;
    for (const ScoredRound& round : rounds) {
        const std::optional<qint64> prize = realBoxPrize(round, prizes);
        if (round.hit && !prize) {
            ++money.hitsLeftOut;
            continue;
        }
        ++money.rounds;
        money.pricedRounds += prize.has_value();
        money.tickets += round.tickets;
        money.costYen += round.costYen();
        if (round.hit) money.returnYen += *prize;
    }
    return money;
}

}  // namespace k4
