#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "analysis/scored_round.h"
#include "data/prize_file.h"
#include "platform/language.h"

namespace k4 {

// The summary of a backtest as the terminal prints it: the heading, one line a figure with the
// values in one column after their labels, the money, the money at the real prizes where
// `prizes` knows some, the two sentences.
QStringList summaryLines(const std::vector<ScoredRound>& rounds, int count, Language language,
                         const PrizeTable& prizes);

// One figure as the summaries print it: indented, the value in the column after the widest
// label.
QString figureLine(const QString& label, const QString& value);

// How many terminal columns a text takes: Japanese characters take two.
int terminalColumns(const QString& text);

}  // namespace k4
