// Loading a candidate table and a history from arbitrary bytes, and the whole prediction and
// report on them.

#include <QDate>

#include "data/data_files.h"
#include "data/file_names.h"
#include "data/lines.h"
#include "fuzz_support.h"
#include "predict/prediction.h"
#include "predict/prediction_files.h"
#include "predict/report.h"

using namespace k4;
using fuzz::bytesOf;
using fuzz::check;

namespace {

// Whether `listed` is the display form (characters 3, 1, 2, 4) of `candidate`.
bool isDisplayFormOf(const QString& listed, const QString& candidate) {
    return listed == displayForm(candidate);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const double count = input.ConsumeIntegralInRange<int>(-2, 300) / 2.0;
    const QString roundText = QString::fromUtf8(bytesOf(input, 24));
    fuzz::MemoryFileSystem folder;
    folder.put(kHistoryFile, bytesOf(input, 16 * 1024));
    // Mostly a whole table, so that the filters run; sometimes a short one, which must fail.
    QByteArray table = input.ConsumeBool() ? QByteArray() : bytesOf(input, 16 * 1024);
    if (readLines(table).size() < CandidateTable::kSlotCount)
        table += QByteArray("0123\r\n").repeated(CandidateTable::kSlotCount);
    if (input.ConsumeBool()) table.truncate(table.size() / 3);
    folder.put(kCandidateFile, table);

    DataFiles files(folder);
    PredictionData loaded;
    try {
        loaded = predictionDataIn(files.readState());
    } catch (const Failure& failure) {
        check(failure.kind() == FailureKind::ReadPastEnd && failure.fileName() == kCandidateFile,
              "only a short candidate file fails to load");
        check(readLines(table).size() < CandidateTable::kSlotCount, "a whole table loads");
        return 0;
    }
    check(loaded.history.lines().size() <= 1000, "at most 1000 results are read");

    const QStringList listed = predict(loaded.candidates, loaded.history, count);
    // Every entry is the display form of a survivor of slots 231 to 500, in slot order.
    int slot = 231;
    for (const QString& entry : listed) {
        while (slot <= 500 && !isDisplayFormOf(entry, loaded.candidates.slot(slot))) ++slot;
        check(slot <= 500, "entries come from slots 231 to 500, in order");
        ++slot;
    }
    if (count >= 1 && count == int(count)) check(listed.size() <= count, "a whole count is kept");

    const std::optional<std::int32_t> round = reportRound(roundText);
    if (!round) return 0;
    const QStringList report =
        reportLines({roundText, *round, listed, loaded.history, QDate(2026, 12, 7)});
    check(report.size() == kReportLineCount, "the report has 45 lines");
    writeReport(files, report);
    const QStringList reread = readLines(folder.files().value(kReportFile));
    check(reread.size() == kReportLineCount || roundText.contains(u'\r') ||
              roundText.contains(u'\n') || listed.join(QString()).contains(u'\r') ||
              listed.join(QString()).contains(u'\n'),
          "the written report reads back as 45 lines");
    return 0;
}
