#include "data/data_files.h"

#include <cmath>

#include "data/file_names.h"
#include "data/folder_commit.h"
#include "data/number_rule.h"
#include "platform/failure.h"
#include "platform/file_system.h"
#include "platform/numbers.h"

namespace k4 {

double DataFiles::readCounter() const {
    const QStringList lines = readLines(files_.read(kCounterFile), 1);
    if (lines.isEmpty()) throw Failure(FailureKind::ReadPastEnd, kCounterFile);
    const double counter = readNumber(lines.first());
    if (!std::isfinite(counter)) throw Failure(FailureKind::Overflow, kCounterFile);
    return counter;
}

QStringList DataFiles::counterLines(double counter) {
    return {plainNumberText(counter)};
}

CandidateTable DataFiles::readCandidates() const {
    std::optional<CandidateTable> table = CandidateTable::fromLines(
        readLines(files_.read(kCandidateFile), CandidateTable::kSlotCount));
    if (!table) throw Failure(FailureKind::ReadPastEnd, kCandidateFile);
    return std::move(*table);
}

ResultHistory DataFiles::readHistory(qsizetype maxLines) const {
    return ResultHistory(readLines(files_.read(kHistoryFile), maxLines));
}

void DataFiles::writeTextFile(const QString& name, const QStringList& lines) {
    commitFiles(files_, {{name, writeLines(lines)}});
}

void DataFiles::commit(const QList<FileContent>& contents) {
    QList<NewFile> files;
    for (const FileContent& content : contents)
        files.append({content.name, writeLines(content.lines)});
    commitFiles(files_, files);
}

void DataFiles::recover() {
    recoverFolder(files_);
}

}  // namespace k4
