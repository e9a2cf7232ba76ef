#include "tool/backtest_command.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>

#include "data/data_files.h"
#include "data/file_names.h"
#include "data/folder_commit.h"
#include "platform/failure.h"
#include "platform/file_system.h"
#include "platform/numbers.h"
#include "tool/backtest_report.h"
#include "tool/chart.h"
#include "tool/progress.h"
#include "tool/tool_messages.h"

namespace k4 {
namespace {

// Whether the candidate file, where there is one, is the table the history replays to. It is
// not after a deletion (which leaves the table as it is) or when results older than the oldest
// one kept were registered.
bool candidatesAgree(const DataFiles& files, const QDir& folder, const CandidateTable& replayed) {
    if (!QFileInfo::exists(folder.filePath(kCandidateFile))) return true;
    try {
        const CandidateTable stored = files.readCandidates();
        for (int n = 1; n <= CandidateTable::kSlotCount; ++n)
            if (stored.slot(n) != replayed.slot(n)) return false;
        return true;
    } catch (const Failure&) {
        return false;
    }
}

// Writes a whole file or leaves the old one as it was.
bool writeOutput(const QString& path, const QByteArray& bytes, Console& console,
                 WriteFaults* faults) {
    const QFileInfo output(path);
    DiskFileSystem folder(output.absolutePath(), faults);
    try {
        commitFiles(folder, {{output.fileName(), bytes}});
        return true;
    } catch (const Failure& failure) {
        console.err << failureText(failure, output.absolutePath(), console.language) << '\n';
        return false;
    }
}

QByteArray pngBytes(const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

const QString kNoResultsJapanese = QStringLiteral("%1 に結果がないため、採点する回がありません。");
const QString kNoResultsEnglish = QStringLiteral("%1 holds no results: no round to score.");
const QString kTableDiffersJapanese = QStringLiteral(
    "注意: kri4key.dat は履歴を初期の候補から登録し直した並びと違います (削除した結果があるか、"
    "残っている最古の結果より前に登録した結果があります)。バックテストは登録し直した並びで"
    "予想しています。");
const QString kTableDiffersEnglish = QStringLiteral(
    "Note: kri4key.dat differs from the table the history replays to from the initial one (a "
    "result was deleted, or results older than the oldest kept were registered); the backtest "
    "predicts with the replayed table.");

}  // namespace

int runBacktestCommand(const BacktestRequest& request, Console& console, WriteFaults* faults) {
    const QDir folder(request.folder);
    const QString folderName = QDir::toNativeSeparators(folder.absolutePath());
    DiskFileSystem disk(folder.absolutePath());
    const DataFiles files(disk);

    Backtest backtest;
    try {
        const QStringList history = files.readHistory().lines();
        const std::int32_t counter = toInt32(files.readCounter(), kCounterFile);
        if (history.isEmpty()) {
            console.err << console.text(kNoResultsJapanese, kNoResultsEnglish)
                               .arg(QDir::toNativeSeparators(folder.filePath(kHistoryFile)))
                        << '\n';
            return kExitFailure;
        }
        TerminalProgress progress(
            console.err, console.errIsTerminal,
            console.text(QStringLiteral("再現中"), QStringLiteral("replaying")));
        backtest = runBacktest(history, counter, request.options,
                               [&](int done, int total) { progress.update(done, total); });
    } catch (const Failure& failure) {
        console.err << failureText(failure, folderName, console.language) << '\n';
        return kExitFailure;
    }

    for (const QString& line :
         summaryLines(backtest.rounds, request.options.count, console.language))
        console.out << line << '\n';
    if (!candidatesAgree(files, folder, backtest.replayedCandidates))
        console.err << console.text(kTableDiffersJapanese, kTableDiffersEnglish) << '\n';

    bool written = true;
    if (!request.csvFile.isEmpty())
        written =
            writeOutput(request.csvFile, csvBytes(backtest.rounds), console, faults) && written;
    if (!request.pngFile.isEmpty()) {
        const QImage chart = drawBacktestChart(backtest.rounds, console.language);
        written = writeOutput(request.pngFile, pngBytes(chart), console, faults) && written;
    }
    console.out.flush();
    return written ? kExitSuccess : kExitFailure;
}

}  // namespace k4
