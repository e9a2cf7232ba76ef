#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "data/ticket_book.h"
#include "money/settlement.h"
#include "money/ticket_totals.h"
#include "platform/language.h"

namespace k4 {

// The ticket book as `kirikata4-tool tickets` prints it.

// One line a ticket in the book's order, numbered from 1 as `tickets remove` takes them, in
// columns: the number in the list, the rounds, the number, the kind, the units, the cost and
// what its rounds did ("7051 box 84,400 yen; 7052-7053 no win"), runs of rounds that did alike
// and won nothing told once.
QStringList ticketLines(const TicketBook& book, const std::vector<SettledRound>& settled,
                        Language language);

// One ticket without its rounds' outcomes, as `tickets add` and `tickets remove` confirm it:
// "7055-7057  0419  box  2 units  1,200 yen".
QString ticketText(const Ticket& ticket, Language language);

// The totals, a figure a line in the backtest's columns: the tickets, the ticket-rounds drawn
// (with those whose result is not known), those pending with their cost, the cost of the rounds
// drawn, the prizes won with the wins and those without an amount, the balance and the return
// rate.
QStringList ticketTotalsLines(const TicketTotals& totals, Language language);

// The notes on the prize file's rows that name another result than the history holds for their
// round: those rows are not used. None where there are none.
QStringList setAsideNotes(const std::vector<SettledRound>& settled, Language language);

}  // namespace k4
