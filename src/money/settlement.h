#pragma once

#include <QString>
#include <QStringView>
#include <map>
#include <optional>
#include <vector>

#include "data/data_files_state.h"
#include "data/prize_file.h"
#include "data/result_history.h"
#include "data/ticket_book.h"
#include "platform/language.h"

namespace k4 {

// What each ticket of the book did in each of its rounds. One unit costs kUnitYen for one
// round, whatever its kind, and a win pays the round's published prize per unit times the
// units.

// What the history file says of the draws: every round up to `newest` (the counter) is drawn,
// and `results` holds the result of each round it still keeps, as stored.
struct DrawnRounds {
    qint32 newest = 0;
    std::map<qint32, QString> results;
};

// The drawn rounds of the history's rounds (see historyRounds()) with the counter at `counter`.
DrawnRounds drawnRoundsOf(const std::vector<HistoryRound>& rounds, qint32 counter);
// The same of the history and counter files as a command read them; throws a Failure where
// DataFiles::historyIn() or counterIn() do.
DrawnRounds drawnRoundsIn(const DataFilesState& state);

enum class RoundOutcome {
    Pending,        // 未抽せん: the round is after the newest drawn round
    ResultUnknown,  // 結果不明: drawn, but neither the history nor the prize file holds its result
    Miss,           // はずれ
    Won,            // a win whose prize is kept
    AmountUnknown,  // 金額未登録: a win whose prize is not kept
};

enum class WinKind { Straight, Box, SetStraight, SetBox };

// One round of one ticket.
struct SettledRound {
    qsizetype ticket = 0;  // the ticket's index in the book
    qint32 round = 0;
    RoundOutcome outcome = RoundOutcome::Pending;
    std::optional<WinKind> win;  // for Won and AmountUnknown
    QString result;              // the result settled against; empty for Pending, ResultUnknown
    qint64 costYen = 0;          // kUnitYen × units
    qint64 prizeYen = 0;         // Won: the prize per unit × units; 0 otherwise
    // The prize file holds the round with another result than the history: after a deletion
    // and a different registration its row is not this round's, and is not used.
    bool prizeRowSetAside = false;

    bool isDrawn() const { return outcome != RoundOutcome::Pending; }
    bool isWin() const { return win.has_value(); }
};

// The win of `number` bought as `kind` on a draw of `result`: ストレート on the same digits in
// order; ボックス on the same digits in any order; セット the set-straight on the same digits in
// order, else the set-box on them in another order. None on any other draw.
std::optional<WinKind> winOf(QStringView number, TicketKind kind, QStringView result);

// Every round of every ticket, the book's order then the rounds' order. A round's result is
// the history's where the history keeps the round, else the prize file's; a prize row is used
// only while its result is the round's.
std::vector<SettledRound> settle(const TicketBook& book, const DrawnRounds& drawn,
                                 const PrizeTable& prizes);

// 未抽せん, 結果不明, はずれ, 当せん, 金額未登録 (not drawn, result unknown, no win, won,
// amount unknown).
QString outcomeText(RoundOutcome outcome, Language language);
// ストレート, ボックス, セットストレート, セットボックス (straight, box, set-straight, set-box).
QString winKindText(WinKind kind, Language language);

}  // namespace k4
