// Times the companion command's backtest on a 2000-line history (the most a history file keeps)
// with 20 predictions a round: reading the data folder, replaying every registration from the
// initial table with a prediction before each, and the summary. Also times importing the same
// 2000 results, and the two steps of an import on 1,000,000 results. Prints the median of
// several runs of each, in milliseconds.
//
//   bench_backtest

#include <QDir>
#include <QElapsedTimer>
#include <QString>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "analysis/backtest.h"
#include "analysis/backtest_report.h"
#include "data/data_files.h"
#include "data/file_names.h"
#include "import/past_results.h"
#include "platform/file_system.h"
#include "quiet_tool.h"
#include "register/registration_replay.h"
#include "support/random_draws.h"
#include "timing.h"

using namespace k4;

namespace {

constexpr int kHistoryLines = 2000;
constexpr int kCount = 20;
constexpr int kRuns = 9;
constexpr int kLongImport = 1'000'000;

double medianMilliseconds(const std::function<void()>& work) {
    return bench::medianMilliseconds(kRuns, 1, work);
}

// A round counter numbers at most 32766 rounds, so no file imports a million results; the two
// steps of an import, reading the lines and replaying the registrations, are timed apart on as
// many, once each. Returns the seconds of each.
std::pair<double, double> timeALongImport() {
    const QStringList results = test::randomDraws(kLongImport, 7);
    const QByteArray bytes = (results.join(u'\n') + u'\n').toLatin1();
    QElapsedTimer timer;
    timer.start();
    readPastResults(bytes);
    const double reading = timer.nsecsElapsed() / 1e9;
    timer.start();
    RegistrationReplay replay(0);
    for (const QString& result : results) replay.registerResult(result);
    return {reading, timer.nsecsElapsed() / 1e9};
}

}  // namespace

int main() {
    QTemporaryDir temporary;
    const QString folder = temporary.path();
    const QStringList oldestFirst = test::randomDraws(kHistoryLines, 20261207);
    const QString source = QDir(folder).filePath(QStringLiteral("past.txt"));
    {
        DiskFileSystem disk(folder);
        DataFiles(disk).writeTextFile(QStringLiteral("past.txt"), oldestFirst);
    }
    const QString data = QDir(folder).filePath(QStringLiteral("data"));
    if (bench::runQuietly({"import", source, "--folder", data}) != kExitSuccess) {
        std::fprintf(stderr, "the import failed\n");
        return 1;
    }

    const std::vector<HistoryRound> rounds =
        historyRounds(QStringList(oldestFirst.crbegin(), oldestFirst.crend()), kHistoryLines);
    std::size_t scored = 0;
    const double replay = medianMilliseconds([&] {
        scored = runBacktest(rounds, {kCount, {}})->rounds.size();
    });
    const double command = medianMilliseconds([&] {
        bench::runQuietly({"backtest", "--folder", data, "--count", QString::number(kCount)});
    });
    const double import = medianMilliseconds([&] {
        bench::runQuietly({"import", source, "--folder", data, "--force"});
    });

    std::printf("Backtest, %d-line history, %d predictions a round (%zu rounds scored)\n",
                kHistoryLines, kCount, scored);
    std::printf(
        "  backtest command end to end (read, replay, summary): %7.1f ms  (target < 1000)\n",
        command);
    std::printf("  replay with a prediction before each round:          %7.1f ms\n", replay);
    std::printf("  import of the same %d results (parse, replay, write): %6.1f ms\n", kHistoryLines,
                import);
    std::printf("  (median of %d runs)\n", kRuns);
    const auto [reading, replaying] = timeALongImport();
    std::printf(
        "Import of %d results: reading the lines %.2f s, replaying them %.2f s, "
        "%.1f us a result (target < 5 s in all)\n",
        kLongImport, reading, replaying, (reading + replaying) * 1e6 / kLongImport);
    return 0;
}
