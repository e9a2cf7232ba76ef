#include "analysis/statistics_data.h"

#include <QSet>
#include <algorithm>

#include "data/data_files.h"
#include "data/file_names.h"
#include "data/initial_candidates.h"
#include "platform/numbers.h"
#include "register/registration.h"

namespace k4 {
namespace {

// Whether the table holds each of the 570 combinations once, in any order of its digits, as
// every table the program writes does: a registration moves one to the end, written as drawn.
bool holdsEveryCombinationOnce(const CandidateTable& table) {
    QStringList combinations = table.fileLines();
    for (QString& line : combinations) std::sort(line.begin(), line.end());
    std::sort(combinations.begin(), combinations.end());
    return combinations == initialCandidateLines();
}

// The results the table holds as drawn that neither the history nor the initial table holds,
// newest first: a table of the program writes only those it was given.
QStringList resultsNotInHistory(const CandidateTable& table, const QStringList& history) {
    const QStringList initial = initialCandidateLines();
    const QSet<QString> known(initial.begin(), initial.end());
    const QSet<QString> registered(history.begin(), history.end());
    QStringList missing;
    for (int slot = CandidateTable::kSlotCount; slot >= 1; --slot) {
        const QString& text = table.slot(slot);
        if (!known.contains(text) && !registered.contains(text)) missing.append(text);
    }
    return missing;
}

}  // namespace

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

TableComparison compareTables(const StatisticsData& data, const CandidateTable& replayed) {
    if (historyIsCut(data)) return {TableDifference::HistoryCut};
    if (!candidateTableDiffers(data, replayed)) return {};
    if (!holdsEveryCombinationOnce(*data.candidates)) return {TableDifference::NotATable};
    if (!data.rounds.empty() && data.rounds.front().round > 1)
        return {TableDifference::OlderRounds};
    const QStringList deleted = resultsNotInHistory(*data.candidates, data.history);
    if (!deleted.isEmpty()) return {TableDifference::Deleted, deleted};
    return {TableDifference::Reordered};
}

}  // namespace k4
