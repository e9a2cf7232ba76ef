#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "analysis/backtest.h"
#include "data/candidate_table.h"

namespace k4 {

// What the history and the candidate table say of one number.
struct NumberRecord {
    int straightDraws = 0;                // drawn exactly so
    int boxDraws = 0;                     // drawn in any order
    std::vector<HistoryRound> lastDraws;  // the newest box draws, newest first
    std::optional<int> slot;              // of its box combination in the candidate table
    bool predictable = false;             // the slot is one the prediction lists from
    bool boxTicket = false;               // it is sold as a box: not four equal digits
    int boxArrangements = 0;              // the draws of 10000 that a box ticket of it wins on
};

// The record of `number` (four digits as stored) in `rounds` (see historyRounds()), with the
// newest `lastCount` box draws.
NumberRecord numberRecord(const QString& number, const std::vector<HistoryRound>& rounds,
                          const CandidateTable& candidates, int lastCount);

}  // namespace k4
