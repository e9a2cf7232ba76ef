#pragma once

#include <QByteArray>
#include <QStringList>
#include <vector>

#include "platform/language.h"
#include "tool/scored_round.h"

namespace k4 {

// What the backtest prints: the rounds scored, the hits against the hits expected from chance,
// their ratio, the 95% interval of the hit rate, the one-sided p-value and what they say.
QStringList summaryLines(const std::vector<ScoredRound>& rounds, int count, Language language);

// The CSV file of a backtest, one row per scored round after a header: round, drawn result,
// predicted combinations (separated by spaces), hit (1 or 0) and the chance of a hit. UTF-8
// (plain ASCII for results of digits) with CR LF line ends.
QByteArray csvBytes(const std::vector<ScoredRound>& rounds);

}  // namespace k4
