#include "money/lottery_money.h"

#include "data/box_match.h"
#include "data/digits.h"

namespace k4 {

// The payout share of every number bought once.
static_assert(kTheoreticalPrizePool * 100 == kPayoutPercent * kPossibleDraws * kUnitYen);

qint64 boxPrizeYen(QStringView combination) {
    return isBoxTicket(combination) ? kTheoreticalPrizePool / boxArrangements(combination) : 0;
}

}  // namespace k4
