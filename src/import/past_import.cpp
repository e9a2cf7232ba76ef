#include "import/past_import.h"

#include "data/backup_folder.h"
#include "data/data_files.h"
#include "data/file_names.h"
#include "data/result_history.h"
#include "register/registration.h"

namespace k4 {
namespace {

// Progress is reported once every this many registrations.
constexpr int kResultsPerProgress = 4096;

std::optional<RegistrationReplay> replay(RegistrationReplay folder, const QStringList& results,
                                         const WorkProgress& progress) {
    const qint64 total = results.size();
    for (qint64 done = 0; done < total; ++done) {
        if (done % kResultsPerProgress == 0 && !goesOn(progress, done, total)) return std::nullopt;
        folder.registerResult(results.at(done));
    }
    if (!goesOn(progress, total, total)) return std::nullopt;
    return folder;
}

// The round of the folder's newest result: the one before the round its next registration
// numbers.
std::int32_t newestRoundIn(const DataFilesState& state) {
    return registeredCounter(DataFiles::counterIn(state)) - 1;
}

}  // namespace

ImportPlan planImport(const PastResults& read, const DataFilesState& state) {
    if (resultsIn(state) == 0) return FillFolder{};
    if (!read.firstRound) return RoundsNeeded{};
    const std::int32_t newest = newestRoundIn(state);
    const qint64 first = *read.firstRound;
    const qint64 last = *read.lastRound();
    for (const HistoryRound& held : historyRounds(DataFiles::historyIn(state).lines(), newest)) {
        if (held.round < first || held.round > last) continue;
        const QString& inFile = read.results.at(held.round - first);
        if (inFile != held.text) return RoundDisagrees{held.round, inFile, held.text};
    }
    if (last <= newest) return NothingNewer{newest};
    if (first > newest + 1) return RoundsMissing{newest + 1, first - 1};
    return AddRounds{newest + 1, read.results.mid(newest + 1 - first)};
}

std::optional<RegistrationReplay> replayAll(const PastResults& read, const WorkProgress& progress) {
    return replay(RegistrationReplay(read.firstRound ? std::int32_t(*read.firstRound - 1) : 0),
                  read.results, progress);
}

std::optional<RegistrationReplay> replayAdded(const AddRounds& added, const DataFilesState& state,
                                              const WorkProgress& progress) {
    const RegistrationReplay folder(DataFiles::candidatesIn(state),
                                    DataFiles::historyIn(state).lines(),
                                    std::int32_t(added.firstRound - 1));
    return replay(folder, added.results, progress);
}

void writeImport(FileSystem& files, const RegistrationReplay& folder,
                 const DataFilesState& readFrom, const std::optional<PrizeTable>& prizes) {
    QList<FileLines> contents = folder.files();
    if (prizes) contents.append({kPrizeFile, prizeFileLines(*prizes)});
    DataFiles(files).commit(contents, readFrom);
}

}  // namespace k4
