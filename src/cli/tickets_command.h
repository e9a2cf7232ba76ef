#pragma once

#include "cli/console.h"
#include "cli/tool_arguments.h"

namespace k4 {

class FolderOpener;

// The ticket book of the request's folder, in the folders `folders` opens. Each returns the exit
// status: a book or a prize file that does not read, a ticket refused or one not in the book is
// a failure, and nothing is written.

// Prints the book settled against the results and the prizes of the folder, then its totals;
// writes the CSV of its rounds when asked, whole or not at all.
int runTicketsCommand(const TicketsRequest& request, Console& console, FolderOpener& folders);

// Records a ticket bought today (the console's clock) after the others, the number read as the
// registration window reads what is typed, from the round after the newest drawn unless the
// request names one.
int runAddTicket(const AddTicketRequest& request, Console& console, FolderOpener& folders);

// Takes the ticket at the request's place in the list out of the book.
int runRemoveTicket(const RemoveTicketRequest& request, Console& console, FolderOpener& folders);

}  // namespace k4
