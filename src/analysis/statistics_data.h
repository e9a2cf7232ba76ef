#pragma once

#include <QStringList>
#include <cstdint>
#include <vector>

#include "analysis/backtest.h"
#include "data/candidate_table.h"

namespace k4 {

class DataFiles;

// What the statistics window shows its figures of: the data files as they were last read.
struct StatisticsData {
    QStringList history;  // every line of the history file, newest first
    CandidateTable candidates;
    std::int32_t counter = 0;
    std::vector<HistoryRound> rounds;  // the history's results with their rounds, oldest first
};

// Reads the history, the candidate and the counter file. Throws the Failure of the first file
// that cannot be read, and Overflow for a counter beyond 32 bits.
StatisticsData readStatisticsData(const DataFiles& files);

}  // namespace k4
