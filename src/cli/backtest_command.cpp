#include "cli/backtest_command.h"

#include <QDir>
#include <QFileInfo>

#include "analysis/backtest_report.h"
#include "analysis/chart.h"
#include "cli/progress.h"
#include "cli/tool_messages.h"
#include "data/data_files.h"
#include "data/file_names.h"
#include "data/folder_commit.h"
#include "platform/failure.h"
#include "platform/file_system.h"
#include "platform/numbers.h"

namespace k4 {
namespace {

// Whether the candidate file, where there is one, is the table the history replays to. It is
// not after a deletion (which leaves the table as it is) or when results older than the oldest
// one kept were registered.
bool candidatesAgree(const DataFiles& files, const QDir& folder, const CandidateTable& replayed) {
    if (!QFileInfo::exists(folder.filePath(kCandidateFile))) return true;
    try {
        return files.readCandidates() == replayed;
    } catch (const Failure&) {
        return false;
    }
}

// Writes a whole file or leaves the old one as it was.
bool writeOutput(const QString& path, const QByteArray& bytes, Console& console,
                 FolderOpener& folders) {
    try {
        commitFileAt(folders, path, bytes);
        return true;
    } catch (const Failure& failure) {
        console.err << failureText(failure, QFileInfo(path).absolutePath(), console.language)
                    << '\n';
        return false;
    }
}

}  // namespace

int runBacktestCommand(const BacktestRequest& request, Console& console, FolderOpener& folders) {
    const QDir folder(request.folder);
    const QString folderName = QDir::toNativeSeparators(folder.absolutePath());
    const std::unique_ptr<FileSystem> dataFolder = folders.open(folder.absolutePath());
    const DataFiles files(*dataFolder);

    Backtest backtest;
    try {
        const QStringList history = files.readHistory().lines();
        const std::int32_t counter = toInt32(files.readCounter(), kCounterFile);
        const std::vector<HistoryRound> rounds = historyRounds(history, counter);
        if (const std::optional<BacktestRefusal> refusal = backtestRefusal(rounds, counter)) {
            console.err << refusalText(*refusal,
                                       QDir::toNativeSeparators(folder.filePath(kHistoryFile)),
                                       qsizetype(rounds.size()), counter, console.language)
                        << '\n';
            return kExitFailure;
        }
        TerminalProgress progress(
            console.err, console.errIsTerminal,
            console.text(QStringLiteral("再現中"), QStringLiteral("replaying")));
        backtest = *runBacktest(rounds, request.options, [&](qint64 done, qint64 total) {
            progress.update(done, total);
            return true;
        });
    } catch (const Failure& failure) {
        console.err << failureText(failure, folderName, console.language) << '\n';
        return kExitFailure;
    }

    for (const QString& line :
         summaryLines(backtest.rounds, request.options.count, console.language))
        console.out << line << '\n';
    for (const QString& note : unscoredNotes(backtest.unscored, console.language))
        console.err << note << '\n';
    if (!candidatesAgree(files, folder, backtest.replayedCandidates))
        console.err << tableDiffersNote(console.language) << '\n';

    bool written = true;
    if (!request.csvFile.isEmpty())
        written =
            writeOutput(request.csvFile, csvBytes(backtest.rounds), console, folders) && written;
    if (!request.pngFile.isEmpty()) {
        const QImage chart = drawBacktestChart(backtest.rounds, console.language);
        written = writeOutput(request.pngFile, pngBytes(chart), console, folders) && written;
    }
    console.out.flush();
    return written ? kExitSuccess : kExitFailure;
}

}  // namespace k4
