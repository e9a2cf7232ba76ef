#include "money/book_keeping.h"

#include "data/file_names.h"
#include "platform/failure.h"

namespace k4 {
namespace {

// "3 行目: 番号「12a4」が 4 桁の数字ではありません。", after the failure's file name.
QString rowText(const RowProblem& problem) {
    return QStringLiteral("%1 行目: %2").arg(problem.line).arg(problem.reason);
}

}  // namespace

TicketBook ticketBookIn(const DataFilesState& state) {
    TicketBookReading reading = ticketsIn(state);
    if (reading.problem) throw Failure(FailureKind::BadRow, kTicketFile, rowText(*reading.problem));
    return std::move(reading.tickets);
}

PrizeTable prizeTableIn(const DataFilesState& state) {
    PrizeFileReading reading = prizesIn(state);
    if (reading.problem) throw Failure(FailureKind::BadRow, kPrizeFile, rowText(*reading.problem));
    return std::move(reading.prizes);
}

void recordTickets(DataFiles& files, const TicketBook& tickets, const DataFilesState& readFrom) {
    TicketBook book = ticketBookIn(readFrom);
    book.insert(book.end(), tickets.begin(), tickets.end());
    files.commit({{kTicketFile, ticketBookLines(book)}}, readFrom);
}

void removeTicket(DataFiles& files, qsizetype index, const DataFilesState& readFrom) {
    files.commit({{kTicketFile, ticketBookLines(withoutTicket(ticketBookIn(readFrom), index))}},
                 readFrom);
}

PrizeMerge keepPrizes(DataFiles& files, const PrizeTable& offered, const DataFilesState& readFrom) {
    PrizeMerge merge = mergePrizes(prizeTableIn(readFrom), offered);
    if (merge.conflict)
        throw Failure(FailureKind::PrizeDisagrees, kPrizeFile,
                      merge.conflict->message(Language::Japanese));
    if (merge.changes()) files.commit({{kPrizeFile, prizeFileLines(merge.prizes)}}, readFrom);
    return merge;
}

}  // namespace k4
