#include "analysis/statistics_data.h"

#include "data/data_files.h"
#include "data/file_names.h"
#include "platform/numbers.h"
#include "register/registration.h"

namespace k4 {

StatisticsData statisticsDataIn(const DataFilesState& state) {
    StatisticsData read;
    read.history = DataFiles::historyIn(state).lines();
    read.counter = toInt32(DataFiles::counterIn(state), kCounterFile);
    read.rounds = historyRounds(read.history, read.counter);
    if (state[DataFile::Candidates]) read.candidates = DataFiles::candidatesIn(state);
    PrizeFileReading prizes = prizesIn(state);
    if (prizes.problem)
        read.prizeProblem = rowProblemText(kPrizeFile, *prizes.problem);
    else
        read.prizes = std::move(prizes.prizes);
    return read;
}

StatisticsData readStatisticsData(FileSystem& files) {
    return statisticsDataIn(DataFiles(files).readState());
}

StatisticsData roundsData(std::vector<HistoryRound> rounds) {
    StatisticsData data;
    data.counter = std::int32_t(rounds.back().round);
    data.rounds = std::move(rounds);
    return data;
}

bool candidateTableDiffers(const StatisticsData& data, const CandidateTable& replayed) {
    return data.candidates && !(*data.candidates == replayed);
}

bool historyIsCut(const StatisticsData& data) {
    return data.candidates && qsizetype(data.rounds.size()) >= kHistoryLimit &&
           data.rounds.front().round > 1;
}

}  // namespace k4
