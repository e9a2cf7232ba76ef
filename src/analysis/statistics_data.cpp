#include "analysis/statistics_data.h"

#include "data/data_files.h"
#include "data/file_names.h"
#include "platform/numbers.h"

namespace k4 {

StatisticsData readStatisticsData(const DataFiles& files) {
    StatisticsData data;
    data.history = files.readHistory().lines();
    data.candidates = files.readCandidates();
    data.counter = toInt32(files.readCounter(), kCounterFile);
    data.rounds = historyRounds(data.history, data.counter);
    return data;
}

}  // namespace k4
