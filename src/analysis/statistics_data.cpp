#include "analysis/statistics_data.h"

#include "data/data_files.h"
#include "data/file_names.h"
#include "platform/file_system.h"
#include "platform/numbers.h"

namespace k4 {

StatisticsData readStatisticsData(FileSystem& files) {
    const DataFiles data(files);
    StatisticsData read;
    read.history = data.readHistory().lines();
    read.counter = toInt32(data.readCounter(), kCounterFile);
    read.rounds = historyRounds(read.history, read.counter);
    if (files.exists(kCandidateFile)) read.candidates = data.readCandidates();
    return read;
}

bool candidateTableDiffers(const StatisticsData& data, const CandidateTable& replayed) {
    return data.candidates && !(*data.candidates == replayed);
}

}  // namespace k4
