#pragma once

#include <QStringList>
#include <optional>
#include <variant>

#include "import/past_results.h"
#include "platform/work_progress.h"
#include "register/registration_replay.h"

namespace k4 {

class FileSystem;
struct DataFilesState;

// What importing a readable file of past results does to a data folder that holds all three
// data files, decided from what they hold.

// The folder holds no result: the import writes the three files anew from the initial ones.
struct FillFolder {};
// The results of the file's rounds after the folder's newest, registered on top of the folder's.
struct AddRounds {
    qint64 firstRound = 0;  // the round after the folder's newest
    QStringList results;    // oldest first
};
// The file holds no round after the folder's newest; `folderRound` is that newest.
struct NothingNewer {
    qint64 folderRound = 0;
};
// The file holds no round after the folder's newest, `folderRound`, but amounts of prizes the
// prize file lacks: only the prize file is written.
struct AddPrizes {
    qint64 folderRound = 0;
};
// The file and the folder hold different results for a round.
struct RoundDisagrees {
    qint64 round = 0;
    QString inFile;
    QString inFolder;
};
// The file's first round leaves a gap after the folder's newest: rounds `first` to `last`.
struct RoundsMissing {
    qint64 first = 0;
    qint64 last = 0;
};
// The folder holds results and the file does not number its own, so which of them follow the
// folder's cannot be told: only replacing the folder's results can take the file.
struct RoundsNeeded {};

using ImportPlan = std::variant<FillFolder, AddRounds, NothingNewer, AddPrizes, RoundDisagrees,
                                RoundsMissing, RoundsNeeded>;

// The plan for `read` in a folder whose data files held `state`. Before any result is added,
// every round that both the file and the folder's history hold must agree. Throws the Failure of
// a data file that does not read (a missing one among them), and Overflow for a counter whose
// next round does not fit.
ImportPlan planImport(const PastResults& read, const DataFilesState& state);

// The data folder after registering every result of `read` in turn, with the registration rules
// of the window, from the initial files: numbered results from the counter of the round before
// the first, the others from 0. `progress` counts results; empty when it stopped.
std::optional<RegistrationReplay> replayAll(const PastResults& read,
                                            const WorkProgress& progress = {});

// The data folder after registering `added` in turn on top of the files `state` holds, exactly
// as typing each result into the registration window would leave it.
std::optional<RegistrationReplay> replayAdded(const AddRounds& added, const DataFilesState& state,
                                              const WorkProgress& progress = {});

// Commits the files of an import into `files`, together, with the prize file holding `prizes`
// where it is to be written, while they still hold `readFrom`, what they held when the user or
// the command decided on the import; otherwise nothing is written (ChangedElsewhere).
void writeImport(FileSystem& files, const RegistrationReplay& folder,
                 const DataFilesState& readFrom, const std::optional<PrizeTable>& prizes = {});

}  // namespace k4
