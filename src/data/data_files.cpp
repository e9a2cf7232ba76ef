#include "data/data_files.h"

#include <cmath>

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

const QByteArray& present(const std::optional<QByteArray>& bytes, const QString& name) {
    if (!bytes) throw Failure(FailureKind::FileNotFound, name);
    return *bytes;
}

DataFilesState stateOf(const FileSystem& files) {
    const auto bytesOf = [&](const QString& name) -> std::optional<QByteArray> {
        if (!files.exists(name)) return std::nullopt;
        return files.read(name);
    };
    return {bytesOf(kHistoryFile), bytesOf(kCandidateFile), bytesOf(kCounterFile)};
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
    return counterOf(present(state.counter, kCounterFile));
}

CandidateTable DataFiles::candidatesIn(const DataFilesState& state) {
    return candidatesOf(present(state.candidates, kCandidateFile));
}

ResultHistory DataFiles::historyIn(const DataFilesState& state, qsizetype maxLines) {
    return ResultHistory(linesIn(present(state.history, kHistoryFile), maxLines));
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
