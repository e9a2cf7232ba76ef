#pragma once

#include <QByteArray>
#include <QStringList>
#include <vector>

#include "analysis/backtest.h"
#include "analysis/scored_round.h"
#include "analysis/statistics_data.h"
#include "platform/language.h"

namespace k4 {

// One figure of a backtest's summary.
struct SummaryRow {
    QString label;
    QString value;
};

// The summary of a backtest: a heading naming the rounds, the figures (the rounds scored, the
// hits against the hits expected from chance, their ratio, the 95% interval of the hit rate, the
// one-sided p-value) and one sentence that says plainly what they mean.
struct SummaryText {
    QString scope;    // the rounds scored and N
    QString heading;  // the scope, introduced
    QList<SummaryRow> rows;
    QString conclusion;
};
SummaryText summaryText(const std::vector<ScoredRound>& rounds, int count, Language language);

// The summary as the backtest prints it: the heading, one line a figure, the sentence.
QStringList summaryLines(const std::vector<ScoredRound>& rounds, int count, Language language);

// Why a backtest was refused. `historyFile` names the history file as the reader knows it.
QString refusalText(BacktestRefusal refusal, const QString& historyFile, qsizetype results,
                    std::int32_t counter, Language language);

// The notes on a backtest of `data`, one a line: the history lines left out of the scoring (at
// most ten, then how many more), and whether the folder's candidate table differs from the one
// the backtest replayed.
QStringList backtestNotes(const Backtest& backtest, const StatisticsData& data, Language language);

// The CSV file of a backtest, one row per scored round after a header: round, drawn result,
// predicted combinations (separated by spaces), hit (1 or 0) and the chance of a hit. UTF-8
// (plain ASCII for results of digits) with CR LF line ends.
QByteArray csvBytes(const std::vector<ScoredRound>& rounds);

}  // namespace k4
