#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <span>
#include <vector>

#include "data/ticket_book.h"
#include "money/settlement.h"
#include "money/ticket_totals.h"

namespace k4 {

// What the page 購入と収支 shows of the ticket book and its money, in Japanese: money as
// "16,000 円", rates as percentText() gives them.

// "16,000 円".
QString yenCell(qint64 yen);

// The rounds of a ticket: "第1501回", or "第1501回〜第1505回 (5 回)".
QString roundsCell(const Ticket& ticket);

// What one round of a ticket did: はずれ, "ボックス 37,500 円", "ボックス 金額未登録", 未抽せん,
// 結果不明.
QString roundResultText(const SettledRound& round);

// What the rounds of one ticket did, in one cell: the text of its one round, or for several
// rounds each win with its round ("第1502回 ボックス 37,500 円") and the other outcomes counted
// ("はずれ 3 回"), in the order of the outcomes.
QString resultsCell(std::span<const SettledRound> rounds);

// The rounds of each ticket of the book, where settle() lists them one after another.
std::vector<std::span<const SettledRound>> roundsByTicket(const TicketBook& book,
                                                          const std::vector<SettledRound>& settled);

// The book's totals, a label and a value a row.
QList<QStringList> totalsRows(const TicketTotals& totals);

// The columns of the totals per month or per year, and a row of them.
QStringList periodHeaders();
QStringList periodRow(const PeriodTotals& period);

// The rounds whose prize row was set aside, ascending, each once.
std::vector<qint32> roundsSetAside(const std::vector<SettledRound>& settled);

// The rounds in which a ticket won without a kept prize (金額未登録), ascending, each once.
std::vector<qint32> roundsWithoutAmount(const std::vector<SettledRound>& settled);

}  // namespace k4
