#pragma once

#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "data/candidate_table.h"
#include "tool/scored_round.h"

namespace k4 {

struct BacktestOptions {
    int count = 10;           // the count N the prediction lists, as in the main window
    std::optional<int> last;  // score only the newest this many rounds
};

struct Backtest {
    std::vector<ScoredRound> rounds;    // oldest first
    CandidateTable replayedCandidates;  // the table after replaying every result
};

// Called after each replayed result with the number done and the number in all.
using ReplayProgress = std::function<void(int done, int total)>;

// Replays `history` (the lines of the history file: newest first, the newest being round
// `counter`) from the initial candidate table, oldest result first. Before each result it
// predicts with the state the main window would then have had (the results before it, newest
// first, and the table those registrations left) and scores the prediction against the result.
Backtest runBacktest(const QStringList& history, std::int32_t counter,
                     const BacktestOptions& options, const ReplayProgress& progress = {});

}  // namespace k4
