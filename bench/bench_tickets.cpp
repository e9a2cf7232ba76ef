// Times the ticket book of twenty years of play: 5,000 tickets of every kind, each for ten
// rounds (50,000 ticket-rounds), against a prize file of 7,054 rounds and a history holding the
// newest 2,000. Reading the three files and settling every round with the totals, and
// `kirikata4-tool tickets` end to end. Prints the median of several runs of each, in milliseconds.
//
//   bench_tickets

#include <QTemporaryDir>
#include <cstdio>

#include "data/data_files.h"
#include "data/file_names.h"
#include "data/lines.h"
#include "data/prize_file.h"
#include "data/ticket_book.h"
#include "money/book_keeping.h"
#include "money/lottery_money.h"
#include "money/settlement.h"
#include "money/ticket_totals.h"
#include "platform/file_system.h"
#include "quiet_tool.h"
#include "support/random_draws.h"
#include "timing.h"

using namespace k4;

namespace {

constexpr int kRounds = 7054;
constexpr int kHistoryLines = 2000;
constexpr int kTickets = 5000;
constexpr int kRunLength = 10;
constexpr int kRuns = 9;

// Every round of `draws` (oldest first) with the prizes a round of its kind pays; a draw of four
// equal digits has no box or set prize.
PrizeTable prizesOf(const QStringList& draws) {
    PrizeTable prizes;
    for (int i = 0; i < draws.size(); ++i) {
        RoundPrizes row{i + 1, draws[i], 900'000 + i, {}, {}, {}};
        if (const qint64 box = boxPrizeYen(draws[i]); box > 0) {
            row.box = box;
            row.setStraight = (*row.straight + box) / 2 / 100 * 100;
            row.setBox = box / 2 / 100 * 100;
        }
        prizes.emplace(row.round, row);
    }
    return prizes;
}

// Tickets for runs of ten rounds, one starting at each round, the last ending at the newest;
// every tenth on the number drawn in its first round, so that the book wins.
TicketBook bookOf(const QStringList& draws) {
    const QStringList numbers = test::randomDraws(kTickets, 20261210);
    const TicketKind kinds[] = {TicketKind::Straight, TicketKind::Box, TicketKind::Set};
    TicketBook book;
    for (int i = 0; i < kTickets; ++i) {
        const qint32 first = kRounds - kRunLength - kTickets + 1 + i;
        QString number = i % 10 == 0 ? draws[first - 1] : numbers[i];
        TicketKind kind = kinds[i % 3];
        if (!ticketProblem({QDate(2026, 1, 1), first, kRunLength, number, kind, 1}).isEmpty())
            kind = TicketKind::Straight;
        book.push_back(
            {QDate(2006 + i / 250, 1 + i % 12, 1), first, kRunLength, number, kind, 1 + i % 10});
    }
    return book;
}

}  // namespace

int main() {
    QTemporaryDir temporary;
    const QStringList draws = test::randomDraws(kRounds, 20261209);
    {
        DiskFileSystem disk(temporary.path());
        const QStringList kept = draws.mid(kRounds - kHistoryLines);
        disk.writeDurably(kHistoryFile, writeLines(QStringList(kept.crbegin(), kept.crend())));
        disk.writeDurably(kCounterFile, QByteArray::number(kRounds) + "\r\n");
        disk.writeDurably(kPrizeFile, writeLines(prizeFileLines(prizesOf(draws))));
        disk.writeDurably(kTicketFile, writeLines(ticketBookLines(bookOf(draws))));
    }

    DiskFileSystem disk(temporary.path());
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

    std::printf("Ticket book, %d tickets (%zu ticket-rounds, %lld wins), %d prize rows\n", kTickets,
                settledRounds, static_cast<long long>(totals.wins), kRounds);
    std::printf("  read and settled, with the totals: %7.1f ms  (target < 100)\n", settling);
    std::printf("  kirikata4-tool tickets end to end: %7.1f ms  (target < 300)\n", command);
    std::printf("  (median of %d runs)\n", kRuns);
    return settledRounds == std::size_t(kTickets) * kRunLength ? 0 : 1;
}
