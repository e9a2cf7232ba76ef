#pragma once

#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/backtest.h"
#include "data/candidate_table.h"
#include "data/data_files_state.h"
#include "data/prize_file.h"

namespace k4 {

class FileSystem;

// What the backtest and the statistics window work from: the data files as they were read.
struct StatisticsData {
    QStringList history;  // every line of the history file, newest first
    std::int32_t counter = 0;
    std::vector<HistoryRound> rounds;  // the history's results with their rounds, oldest first
    // The candidate table; none when the folder has no candidate file, which a backtest does
    // not need: it replays its own table from the history.
    std::optional<CandidateTable> candidates;
    // The real prizes the backtest counts beside the theoretical ones: the prize file's rows, or
    // a file of past results' prize columns. None where there is no prize file, and none where
    // it does not read, `prizeProblem` then saying where and why.
    PrizeTable prizes;
    QString prizeProblem;  // "haitou4.csv の 3 行目: …"; empty when the prize file reads
};

// Reads the history and the counter file, the candidate file and the prize file where there
// are. Throws
// the Failure of the first file that cannot be read (a candidate file of fewer than 570 lines
// among them), and Overflow for a counter beyond 32 bits.
StatisticsData readStatisticsData(FileSystem& files);
// The same from the files as read before.
StatisticsData statisticsDataIn(const DataFilesState& state);

// What a backtest of `rounds` (oldest first, at least one) from a file of past results works
// from: the rounds alone, the counter at the last of them, no history or candidate file.
StatisticsData roundsData(std::vector<HistoryRound> rounds);

// Whether the folder's candidate table differs from the one a backtest replayed from the
// history (after a deletion, which leaves the table as it was, or after registering results
// older than the oldest one kept). A folder without a candidate file has nothing to differ.
bool candidateTableDiffers(const StatisticsData& data, const CandidateTable& replayed);

// Whether the history file holds as many results as it keeps and older rounds were registered
// before them, so that a backtest cannot replay the folder's table from it.
bool historyIsCut(const StatisticsData& data);

// Why the folder's candidate table differs from the one a backtest replayed from the history, as
// far as the files tell.
enum class TableDifference {
    None,         // it does not differ, or there is no table
    HistoryCut,   // see historyIsCut(): the table holds the registrations of older rounds
    NotATable,    // it does not hold each of the 570 combinations once: edited by hand, or
                  // another program's file
    OlderRounds,  // the history starts after round 1, and the table holds registrations of
                  // rounds the history no longer holds
    Deleted,      // it holds, as drawn, results the history does not: registered, then deleted
    Reordered,    // the same combinations in another order: edited by hand, another folder's
                  // table, or a deleted result whose combination came again later
};
struct TableComparison {
    TableDifference difference = TableDifference::None;
    QStringList deleted = {};  // for Deleted, the results, newest first
};
TableComparison compareTables(const StatisticsData& data, const CandidateTable& replayed);

}  // namespace k4
