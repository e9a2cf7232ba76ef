#pragma once

#include <QStringList>
#include <vector>

#include "analysis/scored_round.h"
#include "platform/language.h"

namespace k4 {

// The summary of a backtest as the terminal prints it: the heading, one line a figure with the
// values in one column after their labels, the money, the two sentences.
QStringList summaryLines(const std::vector<ScoredRound>& rounds, int count, Language language);

}  // namespace k4
