#include "cli/backtest_command.h"

#include <QDir>

#include "analysis/backtest_report.h"
#include "analysis/statistics_data.h"
#include "chart/backtest_chart.h"
#include "cli/output_file.h"
#include "cli/past_results_input.h"
#include "cli/progress.h"
#include "cli/summary_lines.h"
#include "cli/tool_messages.h"
#include "data/file_names.h"
#include "platform/failure.h"
#include "platform/file_system.h"

namespace k4 {

int runBacktestCommand(const BacktestRequest& request, Console& console, FolderOpener& folders) {
    const QDir folder(request.folder);
    StatisticsData data;
    Backtest backtest;
    try {
        if (!request.resultsFile.isEmpty()) {
            const std::optional<PastResults> read =
                readPastResultsInput(request.resultsFile, console, folders);
            if (!read) return kExitFailure;
            data = roundsData(resultRounds(*read));
            data.prizes = read->prizes;
        } else {
            data = readStatisticsData(*folders.open(folder.absolutePath()));
        }
        if (const std::optional<BacktestRefusal> refusal =
                backtestRefusal(data.rounds, data.counter)) {
            console.err << refusalText(
                               *refusal, QDir::toNativeSeparators(folder.filePath(kHistoryFile)),
                               qsizetype(data.rounds.size()), data.counter, console.language)
                        << '\n';
            return kExitFailure;
        }
        TerminalProgress progress(console, inLanguage(console.language, QStringLiteral("再現中"),
                                                      QStringLiteral("replaying")));
        backtest = *runBacktest(data.rounds, request.options, [&](qint64 done, qint64 total) {
            progress.update(done, total);
            return true;
        });
    } catch (const Failure& failure) {
        console.err << failureText(failure, QDir::toNativeSeparators(folder.absolutePath()),
                                   console.language)
                    << '\n';
        return kExitFailure;
    }

    for (const QString& line :
         summaryLines(backtest.rounds, request.options.count, console.language, data.prizes))
        console.out << line << '\n';
    // The notes follow the summary on a terminal that shows both streams.
    console.out.flush();
    for (const QString& note : backtestNotes(backtest, data, console.language))
        console.err << note << '\n';

    bool written = true;
    if (!request.csvFile.isEmpty())
        written = writeOutputFile(request.csvFile, csvBytes(backtest.rounds, data.prizes), console,
                                  folders) &&
                  written;
    if (!request.pngFile.isEmpty()) {
        const QImage chart = drawBacktestChart(backtest.rounds, console.language);
        written = writeOutputFile(request.pngFile, pngBytes(chart), console, folders) && written;
    }
    console.out.flush();
    return written ? kExitSuccess : kExitFailure;
}

}  // namespace k4
