#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "data/ticket_book.h"
#include "money/settlement.h"

namespace k4 {

// The kind as the command line and the CSV of the book name it: straight, box or set.
QString ticketKindWord(TicketKind kind);

// The CSV of a settled book (see settle()), one row per ticket and round after the header
// `round,number,kind,units,result,cost,prize`: the kind as ticketKindWord() names it; the result
// pending, unknown (drawn, the result not known), miss, or the win (straight, box, set-straight,
// set-box); the round's cost in yen; the prize in yen, 0 for a miss, empty where nothing is
// settled yet or the win's amount is not kept. ASCII with CR LF line ends.
QByteArray ticketCsvBytes(const TicketBook& book, const std::vector<SettledRound>& settled);

}  // namespace k4
