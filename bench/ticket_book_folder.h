#pragma once

// The data folder of twenty years of play, for the benchmarks of the ticket book: 7,054 rounds
// drawn, the newest 2,000 in the history; a prize file of every round; a book of 5,000 tickets of
// every kind, each for ten rounds (50,000 ticket-rounds), every one of them drawn.

#include <QDate>
#include <QString>
#include <QStringList>

#include "data/data_files.h"
#include "data/file_names.h"
#include "data/prize_file.h"
#include "data/ticket_book.h"
#include "money/lottery_money.h"
#include "platform/file_system.h"
#include "register/registration_replay.h"
#include "support/random_draws.h"

namespace k4::bench {

inline constexpr int kRounds = 7054;
inline constexpr int kTickets = 5000;
inline constexpr int kRunLength = 10;

namespace detail {

// Every round of `draws` (oldest first) with the prizes a round of its kind pays; a draw of four
// equal digits has no box or set prize.
inline PrizeTable prizesOf(const QStringList& draws) {
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
inline TicketBook bookOf(const QStringList& draws) {
    const QStringList numbers = test::randomDraws(kTickets, 20261210);
    TicketBook book;
    for (int i = 0; i < kTickets; ++i) {
        const qint32 first = kRounds - kRunLength - kTickets + 1 + i;
        QString number = i % 10 == 0 ? draws[first - 1] : numbers[i];
        TicketKind kind = kTicketKinds[std::size_t(i % 3)];
        if (!ticketProblem({QDate(2026, 1, 1), first, kRunLength, number, kind, 1}).isEmpty())
            kind = TicketKind::Straight;
        book.push_back(
            {QDate(2006 + i / 250, 1 + i % 12, 1), first, kRunLength, number, kind, 1 + i % 10});
    }
    return book;
}

}  // namespace detail

// Writes the folder into `files`: the data files as registering every draw leaves them, then the
// prize file and the book.
inline void writeTwentyYearsOfTickets(FileSystem& files) {
    const QStringList draws = test::randomDraws(kRounds, 20261209);
    RegistrationReplay replay(0);
    for (const QString& draw : draws) replay.registerResult(draw);
    DataFiles dataFiles(files);
    dataFiles.commit(replay.files(), dataFiles.readState());
    dataFiles.commit({{kPrizeFile, prizeFileLines(detail::prizesOf(draws))},
                      {kTicketFile, ticketBookLines(detail::bookOf(draws))}},
                     dataFiles.readState());
}

}  // namespace k4::bench
