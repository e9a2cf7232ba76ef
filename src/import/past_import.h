#pragma once

#include <QByteArrayView>
#include <optional>

#include "import/past_results.h"
#include "platform/work_progress.h"
#include "register/registration_replay.h"

namespace k4 {

class FileSystem;
struct DataFilesState;

// A file of past results read and registered.
struct PastImport {
    PastResults read;
    // The data folder after registering every result in turn from the initial files; none when
    // the file holds a bad line or no result at all.
    std::optional<RegistrationReplay> folder;
};

// Reads a file of past results and registers each result as it is read, with the registration
// rules of the window, from the initial files: numbered results from the counter of the round
// before the first, the others from 0. A bad line stops the registering (the rest of the file is
// still read for its bad lines). `progress` counts lines; empty when it stopped the import.
std::optional<PastImport> importPastResults(QByteArrayView bytes,
                                            const WorkProgress& progress = {});

// Commits the three data files of an import into `files`, together, while they still hold
// `readFrom`, what they held when the user or the command decided to replace them; otherwise
// nothing is written (ChangedElsewhere).
void writeImport(FileSystem& files, const RegistrationReplay& folder,
                 const DataFilesState& readFrom);

}  // namespace k4
