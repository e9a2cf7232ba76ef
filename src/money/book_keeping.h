#pragma once

#include <vector>

#include "data/data_files.h"
#include "data/prize_file.h"
#include "data/ticket_book.h"

namespace k4 {

// The changes the player makes to the ticket book and the prize file, each one commit that
// writes only while the data files still hold `readFrom`, what the window or the command read
// (otherwise ChangedElsewhere, nothing written). A book or a prize file with a row the program
// does not read is never written: BadRow names the line and why, and the player mends it first.

// The tickets of the folder's book as `state` holds them; BadRow for a book that does not read.
TicketBook ticketBookIn(const DataFilesState& state);
// The same for the prize file.
PrizeTable prizeTableIn(const DataFilesState& state);

// Records `tickets`, each one that ticketProblem() lets through, after those of the book.
void recordTickets(DataFiles& files, const TicketBook& tickets, const DataFilesState& readFrom);

// Takes the ticket at `index` (from 0, in the book's order) out of the book.
void removeTicket(DataFiles& files, qsizetype index, const DataFilesState& readFrom);

// Keeps the prizes of `offered` (a round's amounts entered by hand, or an import's) with those
// of the prize file, as mergePrizes() adds them; PrizeDisagrees names the round and both amounts
// where one differs, and nothing is written. Returns the merge, written where it changes
// anything.
PrizeMerge keepPrizes(DataFiles& files, const PrizeTable& offered, const DataFilesState& readFrom);

}  // namespace k4
