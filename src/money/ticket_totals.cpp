#include "money/ticket_totals.h"

#include <map>
#include <utility>

namespace k4 {
namespace {

void addRound(const SettledRound& round, TicketTotals& totals) {
    if (!round.isDrawn()) {
        ++totals.roundsPending;
        totals.pendingCostYen += round.costYen;
        return;
    }
    ++totals.roundsDrawn;
    totals.drawnCostYen += round.costYen;
    totals.prizesYen += round.prizeYen;
    totals.roundsWithoutResult += round.outcome == RoundOutcome::ResultUnknown;
    totals.wins += round.isWin();
    totals.winsWithoutAmount += round.outcome == RoundOutcome::AmountUnknown;
}

// The totals per period, a period being what `periodOf` makes of a purchase date.
template <typename PeriodOf>
std::vector<PeriodTotals> totalsBy(const TicketBook& book, const std::vector<SettledRound>& settled,
                                   PeriodOf periodOf) {
    std::map<std::pair<int, int>, TicketTotals> periods;
    for (const Ticket& ticket : book) ++periods[periodOf(ticket.bought)].tickets;
    for (const SettledRound& round : settled)
        addRound(round, periods[periodOf(book[std::size_t(round.ticket)].bought)]);
    std::vector<PeriodTotals> totals;
    totals.reserve(periods.size());
    for (const auto& [period, periodTotals] : periods)
        totals.push_back({period.first, period.second, periodTotals});
    return totals;
}

}  // namespace

TicketTotals totalsOf(const TicketBook& book, const std::vector<SettledRound>& settled) {
    TicketTotals totals;
    totals.tickets = qint64(book.size());
    for (const SettledRound& round : settled) addRound(round, totals);
    return totals;
}

std::vector<PeriodTotals> totalsByMonth(const TicketBook& book,
                                        const std::vector<SettledRound>& settled) {
    return totalsBy(book, settled, [](QDate date) { return std::pair(date.year(), date.month()); });
}

std::vector<PeriodTotals> totalsByYear(const TicketBook& book,
                                       const std::vector<SettledRound>& settled) {
    return totalsBy(book, settled, [](QDate date) { return std::pair(date.year(), 0); });
}

std::vector<RoundBalance> balanceByRound(const std::vector<SettledRound>& settled) {
    std::map<qint32, RoundBalance> rounds;
    for (const SettledRound& one : settled) {
        if (!one.isDrawn()) continue;
        RoundBalance& round = rounds[one.round];
        round.round = one.round;
        round.costYen += one.costYen;
        round.prizesYen += one.prizeYen;
    }
    std::vector<RoundBalance> balances;
    balances.reserve(rounds.size());
    qint64 balance = 0;
    for (auto& [number, round] : rounds) {
        balance += round.prizesYen - round.costYen;
        round.balanceYen = balance;
        balances.push_back(round);
    }
    return balances;
}

}  // namespace k4
