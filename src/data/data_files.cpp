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
    files_.replace(name, writeLines(lines));
}

std::optional<QByteArray> DataFiles::oldContent(const QString& name) const {
    try {
        return files_.read(name);
    } catch (const Failure&) {
        return std::nullopt;  // a file that cannot be read is replaced (or fails) all the same
    }
}

void DataFiles::writeTogether(const QList<FileContent>& contents) {
    struct Written {
        QString name;
        std::optional<QByteArray> oldBytes;  // none when the file was created
    };
    QList<Written> written;
    try {
        for (const FileContent& content : contents) {
            Written before{content.name, oldContent(content.name)};
            files_.replace(content.name, writeLines(content.lines));
            written.append(std::move(before));
        }
    } catch (const Failure&) {
        // Undo newest first. Each replacement is whole, so even where undoing fails too, every
        // file holds either its old or its new content; the first failure is the one reported.
        for (auto it = written.crbegin(); it != written.crend(); ++it) {
            try {
                if (it->oldBytes) files_.replace(it->name, *it->oldBytes);
            } catch (const Failure&) {
            }
        }
        throw;
    }
}

}  // namespace k4
