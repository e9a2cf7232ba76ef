#pragma once

#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/scored_round.h"
#include "data/candidate_table.h"
#include "data/result_history.h"
#include "platform/work_progress.h"
#include "predict/prediction.h"

namespace k4 {

struct BacktestOptions {
    int count = kStartCount;  // the count N the prediction lists, as in the main window
    std::optional<int> last;  // score only the newest this many rounds
};

// Why a history cannot be backtested.
enum class BacktestRefusal {
    NoResults,            // there is no round to score
    NoFourDigitResults,   // no result is four digits, so no round can be scored
    CounterBelowResults,  // the rounds would reach back below round 1: the counter is wrong
};

// The refusal of a backtest of `rounds` with the round counter at `counter`, if there is one.
std::optional<BacktestRefusal> backtestRefusal(const std::vector<HistoryRound>& rounds,
                                               std::int32_t counter);

struct Backtest {
    std::vector<ScoredRound> rounds;     // oldest first
    std::vector<HistoryRound> unscored;  // rounds whose result is not four digits
    CandidateTable replayedCandidates;   // the table after replaying every result
};

// Replays `rounds` (see historyRounds(), accepted by backtestRefusal()) from the initial candidate
// table, oldest first. Before each round it predicts with the state the main window would then
// have had (the results before it, newest first, and the table those registrations left) and
// scores the prediction against the round's result. A result that is not four digits is
// registered as the window registered it, but nothing is expected of it and it is not scored.
// `progress` counts replayed results; empty when it stopped the backtest.
std::optional<Backtest> runBacktest(const std::vector<HistoryRound>& rounds,
                                    const BacktestOptions& options,
                                    const WorkProgress& progress = {});

}  // namespace k4
