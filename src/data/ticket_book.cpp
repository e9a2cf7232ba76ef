#include "data/ticket_book.h"

#include <QRegularExpression>
#include <algorithm>

#include "data/digits.h"
#include "data/file_names.h"
#include "platform/numbers.h"
#include "platform/shown_text.h"

namespace k4 {
namespace {

enum Column { BoughtColumn, FirstRoundColumn, RoundsColumn, NumberColumn, KindColumn, UnitsColumn };
constexpr qsizetype kColumns = 6;

const QStringList& headerCells() {
    static const QStringList cells = {QStringLiteral("購入日"),   QStringLiteral("開始回"),
                                      QStringLiteral("継続回数"), QStringLiteral("番号"),
                                      QStringLiteral("種類"),     QStringLiteral("口数")};
    return cells;
}

// 2026/12/09 as the program writes it; 2026/12/9, 2026-12-09 and 2026-12-9 as a spreadsheet may.
std::optional<QDate> dateIn(const QString& cell) {
    static const QRegularExpression date(QStringLiteral("^(\\d{4})([/-])(\\d{1,2})\\2(\\d{1,2})$"));
    const QRegularExpressionMatch match = date.match(cell);
    if (!match.hasMatch()) return std::nullopt;
    const QDate day(match.captured(1).toInt(), match.captured(3).toInt(),
                    match.captured(4).toInt());
    return day.isValid() ? std::optional(day) : std::nullopt;
}

// A count of 1 to `most`, or none.
std::optional<int> countIn(const QString& cell, qint64 most) {
    const std::optional<qint64> count = wholeNumberIn(cell);
    return count && *count >= 1 && *count <= most ? std::optional(int(*count)) : std::nullopt;
}

bool isFourEqualDigits(const QString& number) {
    return std::all_of(number.begin(), number.end(), [&](QChar c) { return c == number.front(); });
}

// The ticket of `cells`, or why they are not one.
std::optional<QString> readRow(const QStringList& cells, Ticket& ticket) {
    if (cells.size() != kColumns)
        return QStringLiteral("列が %1 つではなく %2 つあります。").arg(kColumns).arg(cells.size());
    const std::optional<QDate> bought = dateIn(cells[BoughtColumn]);
    if (!bought)
        return QStringLiteral("購入日「%1」が 2026/12/09 の形の日付ではありません。")
            .arg(shownText(cells[BoughtColumn]));
    const std::optional<int> firstRound = countIn(cells[FirstRoundColumn], kLargestCounter);
    if (!firstRound)
        return QStringLiteral("開始回「%1」が 1〜%2 の数ではありません。")
            .arg(shownText(cells[FirstRoundColumn]), QString::number(kLargestCounter));
    const std::optional<int> rounds = countIn(cells[RoundsColumn], kMostTicketRounds);
    if (!rounds)
        return QStringLiteral("継続回数「%1」が 1〜%2 の数ではありません。")
            .arg(shownText(cells[RoundsColumn]), QString::number(kMostTicketRounds));
    const std::optional<QString> number = fourDigitsIn(cells[NumberColumn]);
    if (!number)
        return QStringLiteral("番号「%1」が 4 桁の数字ではありません。")
            .arg(shownText(cells[NumberColumn]));
    const std::optional<TicketKind> kind = ticketKindIn(cells[KindColumn]);
    if (!kind)
        return QStringLiteral("種類「%1」がストレート、ボックス、セットのどれでもありません。")
            .arg(shownText(cells[KindColumn]));
    const std::optional<int> units = countIn(cells[UnitsColumn], kMostTicketUnits);
    if (!units)
        return QStringLiteral("口数「%1」が 1〜%2 の数ではありません。")
            .arg(shownText(cells[UnitsColumn]), QString::number(kMostTicketUnits));
    ticket = {*bought, *firstRound, *rounds, *number, *kind, *units};
    const QString problem = ticketProblem(ticket);
    return problem.isEmpty() ? std::nullopt : std::optional(problem);
}

}  // namespace

QString ticketKindText(TicketKind kind) {
    switch (kind) {
        case TicketKind::Straight:
            return QStringLiteral("ストレート");
        case TicketKind::Box:
            return QStringLiteral("ボックス");
        case TicketKind::Set:
            return QStringLiteral("セット");
    }
    return {};
}

std::optional<TicketKind> ticketKindIn(const QString& text) {
    for (const TicketKind kind : kTicketKinds)
        if (text == ticketKindText(kind)) return kind;
    return std::nullopt;
}

QString ticketProblem(const Ticket& ticket) {
    if (!ticket.bought.isValid()) return QStringLiteral("購入日がありません。");
    if (!isFourDigits(ticket.number))
        return QStringLiteral("番号「%1」が 4 桁の数字ではありません。")
            .arg(shownText(ticket.number));
    if (ticket.kind != TicketKind::Straight && isFourEqualDigits(ticket.number))
        return QStringLiteral("%1 は%2では買えません (4 桁がすべて同じ数字です)。")
            .arg(ticket.number, ticketKindText(ticket.kind));
    if (ticket.units < 1 || ticket.units > kMostTicketUnits)
        return QStringLiteral("口数 %1 が 1〜%2 ではありません。")
            .arg(ticket.units)
            .arg(kMostTicketUnits);
    if (ticket.rounds < 1 || ticket.rounds > kMostTicketRounds)
        return QStringLiteral("継続回数 %1 が 1〜%2 ではありません。")
            .arg(ticket.rounds)
            .arg(kMostTicketRounds);
    if (ticket.firstRound < 1 || ticket.firstRound > kLargestCounter)
        return QStringLiteral("開始回 %1 が 1〜%2 ではありません。")
            .arg(ticket.firstRound)
            .arg(kLargestCounter);
    if (ticket.lastRound() > kLargestCounter)
        return QStringLiteral("第%1回から %2 回続けると最後の回 (第%3回) を越えます。")
            .arg(ticket.firstRound)
            .arg(ticket.rounds)
            .arg(kLargestCounter);
    return {};
}

QString ticketBookHeader() {
    return csvLine(headerCells());
}

TicketBookReading readTicketBook(const QByteArray& bytes) {
    TicketBookReading reading;
    reading.problem =
        readCsvFile(bytes, headerCells(), [&](const QStringList& cells) -> std::optional<QString> {
            Ticket ticket;
            if (std::optional<QString> reason = readRow(cells, ticket)) return reason;
            reading.tickets.push_back(std::move(ticket));
            return std::nullopt;
        });
    if (reading.problem) reading.tickets.clear();
    return reading;
}

TicketBookReading ticketsIn(const DataFilesState& state) {
    const std::optional<QByteArray>& bytes = state[DataFile::Tickets];
    return bytes ? readTicketBook(*bytes) : TicketBookReading{};
}

QString ticketBookProblem(const QByteArray& bytes) {
    const TicketBookReading reading = readTicketBook(bytes);
    return reading.problem ? rowProblemText(kTicketFile, *reading.problem) : QString();
}

QStringList ticketBookLines(const TicketBook& tickets) {
    QStringList lines = {ticketBookHeader()};
    lines.reserve(qsizetype(tickets.size()) + 1);
    for (const Ticket& ticket : tickets)
        lines.append(
            csvLine({ticket.bought.toString(QStringLiteral("yyyy/MM/dd")),
                     QString::number(ticket.firstRound), QString::number(ticket.rounds),
                     ticket.number, ticketKindText(ticket.kind), QString::number(ticket.units)}));
    return lines;
}

TicketBook withoutTicket(TicketBook book, qsizetype index) {
    if (index >= 0 && index < qsizetype(book.size())) book.erase(book.begin() + index);
    return book;
}

}  // namespace k4
