#pragma once

#include <QImage>
#include <vector>

#include "platform/language.h"
#include "tool/scored_round.h"

namespace k4 {

// A chart of a backtest: cumulative hits against the cumulative hits expected from chance,
// with the 95% band of chance around it, axes labelled. Needs a QGuiApplication for its text.
QImage drawBacktestChart(const std::vector<ScoredRound>& rounds, Language language,
                         QSize size = {800, 500});

}  // namespace k4
