#include "import/past_import.h"

#include "data/data_files.h"

namespace k4 {

std::optional<PastImport> importPastResults(QByteArrayView bytes, const WorkProgress& progress) {
    std::optional<RegistrationReplay> replay;
    std::optional<PastResults> read = readPastResults(
        bytes,
        [&](const PastResult& past) {
            if (!replay) replay.emplace(past.round ? std::int32_t(*past.round - 1) : 0);
            replay->registerResult(past.result);
        },
        progress);
    if (!read) return std::nullopt;
    PastImport imported{std::move(*read), std::nullopt};
    if (imported.read.badLineCount == 0) imported.folder = std::move(replay);
    return imported;
}

void writeImport(FileSystem& files, const RegistrationReplay& folder,
                 const DataFilesState& readFrom) {
    DataFiles(files).commit(folder.files(), readFrom);
}

}  // namespace k4
