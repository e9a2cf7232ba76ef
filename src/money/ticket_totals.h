#pragma once

#include <vector>

#include "data/ticket_book.h"
#include "money/return_rate.h"
#include "money/settlement.h"

namespace k4 {

// The money of a book: what was paid, what came back and the balance. A round whose result is
// not known is drawn all the same: its cost counts, and it won nothing yet.
struct TicketTotals {
    qint64 tickets = 0;
    qint64 roundsDrawn = 0;          // ticket-rounds up to the newest drawn round
    qint64 roundsWithoutResult = 0;  // of them, rounds whose result is not known (結果不明)
    qint64 roundsPending = 0;        // ticket-rounds not drawn yet
    qint64 pendingCostYen = 0;
    qint64 drawnCostYen = 0;
    qint64 prizesYen = 0;
    qint64 wins = 0;
    qint64 winsWithoutAmount = 0;  // of them, wins whose prize is not kept (金額未登録)

    qint64 balanceYen() const { return prizesYen - drawnCostYen; }
    // The prizes over the cost of the rounds drawn.
    ReturnRate returnRate() const { return {prizesYen, drawnCostYen}; }
    bool operator==(const TicketTotals&) const = default;
};

// The totals of `book` settled as `settled` (see settle()).
TicketTotals totalsOf(const TicketBook& book, const std::vector<SettledRound>& settled);

// The totals of the tickets bought in one month or one year. A ticket belongs wholly to the
// period of its purchase date (購入日), all its rounds with it, drawn in that period or not.
struct PeriodTotals {
    int year = 0;
    int month = 0;  // 1 to 12; 0 for the totals of a whole year
    TicketTotals totals;
};

// Per month of purchase, oldest first; months without a ticket are left out.
std::vector<PeriodTotals> totalsByMonth(const TicketBook& book,
                                        const std::vector<SettledRound>& settled);
// Per year of purchase, oldest first; years without a ticket are left out.
std::vector<PeriodTotals> totalsByYear(const TicketBook& book,
                                       const std::vector<SettledRound>& settled);

// The book's money after one drawn round.
struct RoundBalance {
    qint32 round = 0;
    qint64 costYen = 0;     // of that round's ticket-rounds
    qint64 prizesYen = 0;   // won in that round
    qint64 balanceYen = 0;  // of every drawn round up to this one
};

// The balance after each drawn round that a ticket was bought for, oldest first, for the
// balance chart; the last balance is the totals' balance.
std::vector<RoundBalance> balanceByRound(const std::vector<SettledRound>& settled);

}  // namespace k4
