#pragma once

#include <QByteArray>
#include <QStringList>
#include <vector>

#include "analysis/backtest.h"
#include "analysis/real_prize_money.h"
#include "analysis/scored_round.h"
#include "analysis/statistics_data.h"
#include "platform/language.h"

namespace k4 {

// An amount of yen with its thousands grouped, as a Japanese reader writes it: "-12,300 円"
// ("-12,300 yen" in English).
QString yenText(qint64 yen, Language language);

// One figure of a backtest's summary.
struct SummaryRow {
    QString label;
    QString value;
};

// The summary of a backtest: a heading naming the rounds, the figures (the rounds scored, the
// hits against the hits expected from chance, their ratio, the 95% interval of the hit rate, the
// one-sided p-value), the money (the box tickets bought, their cost, the theoretical prizes they
// won, the balance and the return rate against chance's), the same money at the real prizes where
// the prize file knows those of some scored round, one sentence that says plainly what the
// figures mean and one that the prizes are theoretical.
struct SummaryText {
    QString scope;    // the rounds scored and N
    QString heading;  // the scope, introduced
    QList<SummaryRow> rows;
    QList<SummaryRow> moneyRows;  // the box tickets bought, their cost, return and balance
    // The money at the real prizes (see realPrizeMoney()): the rounds it counts and the hits it
    // leaves out, then its rows. Both empty where no prize of a scored round is known.
    QString realPrizeHeading;
    QList<SummaryRow> realPrizeRows;
    QString conclusion;
    QString prizeNote;
};
SummaryText summaryText(const std::vector<ScoredRound>& rounds, int count, Language language,
                        const PrizeTable& prizes);

// Why a backtest was refused. `historyFile` names the history file as the reader knows it.
QString refusalText(BacktestRefusal refusal, const QString& historyFile, qsizetype results,
                    std::int32_t counter, Language language);

// The notes on a backtest of `data`, one a line: the history lines left out of the scoring (at
// most ten, then how many more), a prize file that does not read, and whether the folder's
// candidate table differs from the one the backtest replayed.
QStringList backtestNotes(const Backtest& backtest, const StatisticsData& data, Language language);

// The CSV file of a backtest, one row per scored round after a header: round, drawn result,
// predicted combinations (separated by spaces), hit (1 or 0), the chance of a hit, the box
// tickets bought, their cost and theoretical return in yen, and the balance so far; where `prizes`
// knows the box prize of some scored round, then the round's real box prize (empty where it is
// not known). UTF-8 (plain ASCII for results of digits) with CR LF line ends.
QByteArray csvBytes(const std::vector<ScoredRound>& rounds, const PrizeTable& prizes);

}  // namespace k4
