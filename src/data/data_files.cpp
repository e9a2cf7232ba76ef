#include "data/data_files.h"

#include <cmath>

#include "data/data_file_table.h"
#include "data/file_names.h"
#include "data/folder_commit.h"
#include "data/number_rule.h"
#include "platform/failure.h"
#include "platform/file_system.h"
#include "platform/numbers.h"

namespace k4 {
namespace {

double counterOf(const QByteArray& bytes) {
    const QStringList lines = DataFiles::linesIn(bytes, 1);
    if (lines.isEmpty()) throw Failure(FailureKind::ReadPastEnd, kCounterFile);
    const double counter = readNumber(lines.first());
    if (!std::isfinite(counter)) throw Failure(FailureKind::Overflow, kCounterFile);
    return counter;
}

CandidateTable candidatesOf(const QByteArray& bytes) {
    std::optional<CandidateTable> table =
        CandidateTable::fromLines(DataFiles::linesIn(bytes, CandidateTable::kSlotCount));
    if (!table) throw Failure(FailureKind::ReadPastEnd, kCandidateFile);
    return std::move(*table);
}

const QByteArray& present(const DataFilesState& state, DataFile file) {
    const std::optional<QByteArray>& bytes = state[file];
    if (!bytes) throw Failure(FailureKind::FileNotFound, dataFileKind(file).name);
    return *bytes;
}

DataFilesState stateOf(const FileSystem& files) {
    DataFilesState state;
    for (const DataFileKind& kind : dataFileTable())
        if (files.exists(kind.name)) state[kind.file] = files.read(kind.name);
    return state;
}

}  // namespace

QStringList DataFiles::linesIn(const QByteArray& bytes, qsizetype maxLines) {
    // A byte-order mark is no part of the first line.
    const QByteArrayView view(bytes);
    return readLines(
        view.startsWith(kUtf8ByteOrderMark) ? view.sliced(kUtf8ByteOrderMark.size()) : view,
        maxLines);
}

QStringList DataFiles::counterLines(double counter) {
    return {plainNumberText(counter)};
}

DataFilesState DataFiles::readState() const {
    return stateOf(files_);
}

double DataFiles::counterIn(const DataFilesState& state) {
    return counterOf(present(state, DataFile::Counter));
}

CandidateTable DataFiles::candidatesIn(const DataFilesState& state) {
    return candidatesOf(present(state, DataFile::Candidates));
}

ResultHistory DataFiles::historyIn(const DataFilesState& state, qsizetype maxLines) {
    return ResultHistory(linesIn(present(state, DataFile::History), maxLines));
}

void DataFiles::writeTextFile(const QString& name, const QStringList& lines) {
    commitFiles(files_, {{name, writeLines(lines)}});
}

void DataFiles::commit(const QList<FileLines>& contents, const DataFilesState& readFrom) {
    QList<FileBytes> files;
    for (const FileLines& content : contents)
        files.append({content.name, writeLines(content.lines)});
    commit(files, readFrom);
}

void DataFiles::commit(const QList<FileBytes>& files, const DataFilesState& readFrom) {
    commitFiles(files_, files, [&] {
        if (stateOf(files_) != readFrom)
            throw Failure(FailureKind::ChangedElsewhere, files_.folderName());
    });
}

void DataFiles::recover() {
    recoverFolder(files_);
}

}  // namespace k4
