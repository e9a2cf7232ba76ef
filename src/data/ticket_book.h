#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "data/csv_rows.h"
#include "data/data_files_state.h"

namespace k4 {

// The player's ticket book, kept in kounyuu4.csv: one row per ticket bought, in the order they
// were recorded.

// ストレート wins on the digits in order, ボックス on them in any order, セット is half of each.
enum class TicketKind { Straight, Box, Set };
inline constexpr std::array kTicketKinds{TicketKind::Straight, TicketKind::Box, TicketKind::Set};

// A ticket: one number of one kind, `units` units (口) for each of `rounds` consecutive rounds
// from `firstRound` (継続購入).
struct Ticket {
    QDate bought;
    qint32 firstRound = 0;
    int rounds = 1;
    QString number;  // four digits
    TicketKind kind = TicketKind::Box;
    int units = 1;

    qint32 lastRound() const { return firstRound + rounds - 1; }
    bool operator==(const Ticket&) const = default;
};

using TicketBook = std::vector<Ticket>;

// What a ticket may be: 1 to 10 units, 1 to 10 rounds.
inline constexpr int kMostTicketUnits = 10;
inline constexpr int kMostTicketRounds = 10;

// The kind as the book writes it: ストレート, ボックス or セット.
QString ticketKindText(TicketKind kind);
// The kind of such a text; empty for any other.
std::optional<TicketKind> ticketKindIn(const QString& text);

// Why `ticket` cannot be bought, in Japanese ("1111 はボックスでは買えません (4 桁が同じ数字)。");
// empty when it can: a date, four digits, 1 to 10 units, rounds 1 to 10 from a first round of 1
// or more, the last of them no later than the last round, and never four equal digits as a
// box or a set. The reader, the entry row and the command refuse a ticket with it.
QString ticketProblem(const Ticket& ticket);

// The book's first line.
QString ticketBookHeader();

struct TicketBookReading {
    TicketBook tickets;                 // empty when there is a problem
    std::optional<RowProblem> problem;  // the first row that is not a ticket
};

// The tickets of a book's bytes, as the program writes them or as a spreadsheet saves them
// again (UTF-8, LF, quoted cells, the number without its leading zeros, the date as 2026/12/9
// or 2026-12-09); or the first bad row with its line and reason.
TicketBookReading readTicketBook(const QByteArray& bytes);

// The same for the folder's book as a command read it: no tickets where there is none.
TicketBookReading ticketsIn(const DataFilesState& state);

// Why `bytes` are not a ticket book, as a restore shows it; empty when they are one.
QString ticketBookProblem(const QByteArray& bytes);

// The lines of a book holding `tickets`, the header first (see DataFiles::commit).
QStringList ticketBookLines(const TicketBook& tickets);

// The book without its ticket at `index` (from 0, in the book's order); the book as it is for an
// index outside it.
TicketBook withoutTicket(TicketBook book, qsizetype index);

}  // namespace k4
