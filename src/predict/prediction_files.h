#pragma once

#include <QStringList>

#include "data/candidate_table.h"
#include "data/result_history.h"

namespace k4 {

class DataFiles;
struct DataFilesState;

// What a prediction reads from the data folder.
struct PredictionData {
    CandidateTable candidates;
    ResultHistory history;  // the newest kHistoryLookback results at most
};

// The candidate table and the newest history lines of the files as they were read. Throws the
// Failure of a file that is missing or too short.
PredictionData predictionDataIn(const DataFilesState& state);

// Replaces the report file with `lines` in one step: a failed write leaves the old report whole.
void writeReport(DataFiles& files, const QStringList& lines);

}  // namespace k4
