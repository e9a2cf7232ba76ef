// Registering and deleting from arbitrary file contents and an arbitrary typed input.

#include <cmath>

#include "data/data_files.h"
#include "data/file_names.h"
#include "data/lines.h"
#include "data/number_rule.h"
#include "fuzz_support.h"
#include "register/deletion.h"
#include "register/registration.h"
#include "register/result_input.h"

using namespace k4;
using fuzz::bytesOf;
using fuzz::check;

namespace {

// The non-empty lines, as they read back once written: a character that code page 932 cannot
// hold (one read from undecodable bytes, say) is written as "?".
QStringList writtenNonEmpty(const QStringList& lines) {
    QStringList kept;
    for (const QString& line : lines)
        if (!line.isEmpty()) kept.append(line);
    return readLines(writeLines(kept));
}

void checkRegistration(fuzz::MemoryFileSystem& folder, const QString& typed,
                       const QStringList& entries) {
    const std::optional<QString> result = storedResult(typed);
    if (!result) return;
    check(result->size() == 4, "a stored result is four characters");
    const auto before = folder.files();
    DataFiles files(folder);
    try {
        registerResult(files, *result, entries, files.readState());
    } catch (const Failure&) {
        check(folder.files() == before, "a failed registration writes nothing");
        return;
    }
    const QStringList history = readLines(folder.files().value(kHistoryFile));
    check(!history.isEmpty() && history.first() == *result, "the history starts with the result");
    check(history.size() <= kHistoryLimit, "the history holds at most 2000 results");
    check(history.mid(1) == writtenNonEmpty(entries.mid(0, kHistoryLimit - 1)),
          "the older results follow in order");
    const QStringList candidates = readLines(folder.files().value(kCandidateFile));
    if (folder.files().value(kCandidateFile) != before.value(kCandidateFile)) {
        check(candidates.last() == *result, "a matched combination moves to the end as drawn");
        check(candidates.size() <= CandidateTable::kSlotCount + 1, "no line is added");
    }
}

void checkDeletion(fuzz::MemoryFileSystem& folder, const QStringList& entries) {
    const auto before = folder.files();
    DataFiles files(folder);
    std::optional<QString> nextRound;
    try {
        nextRound = deleteNewestResult(files, entries, files.readState());
    } catch (const Failure&) {
        check(folder.files() == before, "a failed deletion writes nothing");
        return;
    }
    if (!nextRound) {
        check(entries.isEmpty() && folder.files() == before, "only an empty list deletes nothing");
        return;
    }
    check(readLines(folder.files().value(kHistoryFile)) ==
              writtenNonEmpty(entries.mid(1, kHistoryLimit - 1)),
          "a deletion drops the newest entry and no other");
    // A UTF-8 byte-order mark before the number is skipped, as an editor may save one.
    QByteArray oldCounterFile = before.value(kCounterFile);
    if (oldCounterFile.startsWith("\xEF\xBB\xBF")) oldCounterFile.remove(0, 3);
    const double oldCounter = readNumber(readLines(oldCounterFile).value(0));
    const double newCounter = readNumber(readLines(folder.files().value(kCounterFile)).value(0));
    if (std::fabs(oldCounter) < 1e15 && oldCounter == std::trunc(oldCounter))
        check(newCounter == oldCounter - 1, "the counter goes down by one");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const QString typed = QString::fromUtf8(bytesOf(input, 32));
    fuzz::MemoryFileSystem folder;
    if (input.ConsumeBool()) folder.put(kCounterFile, bytesOf(input, 64));
    QByteArray table = bytesOf(input, 8 * 1024);
    if (input.ConsumeBool()) table += QByteArray("0123\r\n0124\r\n").repeated(300);
    folder.put(kCandidateFile, table);
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray history(rest.data(), qsizetype(rest.size()));
    folder.put(kHistoryFile, history);
    const QStringList entries = readLines(history);

    fuzz::MemoryFileSystem forDeletion = folder;
    checkRegistration(folder, typed, entries);
    checkDeletion(forDeletion, entries);
    return 0;
}
