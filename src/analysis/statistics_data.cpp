#include "analysis/statistics_data.h"

#include "data/data_files.h"
#include "data/file_names.h"
#include "platform/numbers.h"

namespace k4 {

StatisticsData statisticsDataIn(const DataFilesState& state) {
    StatisticsData read;
    read.history = DataFiles::historyIn(state).lines();
    read.counter = toInt32(DataFiles::counterIn(state), kCounterFile);
    read.rounds = historyRounds(read.history, read.counter);
    if (state.candidates) read.candidates = DataFiles::candidatesIn(state);
    return read;
}

StatisticsData readStatisticsData(FileSystem& files) {
    return statisticsDataIn(DataFiles(files).readState());
}

bool candidateTableDiffers(const StatisticsData& data, const CandidateTable& replayed) {
    return data.candidates && !(*data.candidates == replayed);
}

}  // namespace k4
