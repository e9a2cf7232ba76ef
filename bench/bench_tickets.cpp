// Times the ticket book of twenty years of play: 5,000 tickets of every kind, each for ten
// rounds (50,000 ticket-rounds), against a prize file of 7,054 rounds and a history holding the
// newest 2,000. Reading the three files and settling every round with the totals, and
// `kirikata4-tool tickets` end to end. Prints the median of several runs of each, in milliseconds.
//
//   bench_tickets

#include <QTemporaryDir>
#include <cstdio>

#include "data/data_files.h"
#include "money/book_keeping.h"
#include "money/settlement.h"
#include "money/ticket_totals.h"
#include "platform/file_system.h"
#include "quiet_tool.h"
#include "ticket_book_folder.h"
#include "timing.h"

using namespace k4;

namespace {

constexpr int kRuns = 9;

}  // namespace

int main() {
    QTemporaryDir temporary;
    DiskFileSystem disk(temporary.path());
    bench::writeTwentyYearsOfTickets(disk);

    TicketTotals totals;
    std::size_t settledRounds = 0;
    const double settling = bench::medianMilliseconds(kRuns, 1, [&] {
        const DataFilesState state = DataFiles(disk).readState();
        const TicketBook book = ticketBookIn(state);
        const std::vector<SettledRound> settled =
            settle(book, drawnRoundsIn(state), prizeTableIn(state));
        settledRounds = settled.size();
        totals = totalsOf(book, settled);
    });
    const double command = bench::medianMilliseconds(kRuns, 1, [&] {
        bench::runQuietly({"tickets", "--folder", temporary.path()});
    });

    std::printf("Ticket book, %d tickets (%zu ticket-rounds, %lld wins), %d prize rows\n",
                bench::kTickets, settledRounds, static_cast<long long>(totals.wins),
                bench::kRounds);
    std::printf("  read and settled, with the totals: %7.1f ms  (target < 100)\n", settling);
    std::printf("  kirikata4-tool tickets end to end: %7.1f ms  (target < 300)\n", command);
    std::printf("  (median of %d runs)\n", kRuns);
    return settledRounds == std::size_t(bench::kTickets) * bench::kRunLength ? 0 : 1;
}
