#include "data/data_files.h"

#include <cmath>

#include "data/file_names.h"
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

void DataFiles::writeCounter(double counter) {
    writeTextFile(kCounterFile, {plainNumberText(counter)});
}

CandidateTable DataFiles::readCandidates() const {
    const QStringList lines = readLines(files_.read(kCandidateFile), CandidateTable::kSlotCount);
    if (lines.size() < CandidateTable::kSlotCount)
        throw Failure(FailureKind::ReadPastEnd, kCandidateFile);
    CandidateTable table;
    for (int n = 1; n <= CandidateTable::kSlotCount; ++n) table.slot(n) = lines.at(n - 1);
    return table;
}

void DataFiles::writeCandidates(const CandidateTable& table, const QString& appended) {
    writeTextFile(kCandidateFile, table.fileLines(appended));
}

ResultHistory DataFiles::readHistory(qsizetype maxLines) const {
    return ResultHistory(readLines(files_.read(kHistoryFile), maxLines));
}

void DataFiles::writeHistory(const QStringList& lines) { writeTextFile(kHistoryFile, lines); }

void DataFiles::writeTextFile(const QString& name, const QStringList& lines) {
    files_.replace(name, writeLines(lines));
}

}  // namespace k4
