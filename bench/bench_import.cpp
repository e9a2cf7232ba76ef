// Times the import of a file of past results as results sites publish it (7054 rounds, eleven
// columns: 第N回, the date, the result, its digits and four prizes): reading it alone, importing
// it into an empty folder (its results and its prizes in one commit), adding its newest 54
// rounds to a folder that holds rounds 1 to 7000, adding only its prizes to a folder that holds
// all its results but no prizes, and backtesting all its rounds at N = 10. Prints the median of
// several runs of each, in milliseconds.
//
//   bench_import

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

#include "data/data_file_table.h"
#include "data/file_names.h"
#include "import/past_results.h"
#include "platform/file_system.h"
#include "quiet_tool.h"
#include "support/past_results_files.h"
#include "support/random_draws.h"
#include "timing.h"

using namespace k4;

namespace {

constexpr int kRounds = 7054;
constexpr int kHeld = 7000;
constexpr int kRuns = 9;

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main() {
    QTemporaryDir temporary;
    const QDir folder(temporary.path());
    const QStringList draws = test::randomDraws(kRounds, 20261209);
    const QByteArray whole = test::publicResultsCsv(draws, 1, true);
    const QString file = folder.filePath(QStringLiteral("past.csv"));
    const QString older = folder.filePath(QStringLiteral("older.csv"));
    if (!writeFile(file, whole) || !writeFile(older, test::publicResultsCsv(draws.mid(0, kHeld))) ||
        bench::runQuietly({"import", older, "--folder", folder.filePath("held")}) != kExitSuccess) {
        std::fprintf(stderr, "the files could not be prepared\n");
        return 1;
    }

    const double reading = bench::medianMilliseconds(kRuns, 1, [&] { readPastResults(whole); });
    int run = 0;
    const double import = bench::medianMilliseconds(kRuns, 1, [&] {
        bench::runQuietly(
            {"import", file, "--folder", folder.filePath(QStringLiteral("new-%1").arg(++run))});
    });
    // Each addition starts from a copy of a folder made before the clock starts: the one at
    // round 7000, or one that holds every round but no prize file.
    const auto additions = [&](const QString& from) {
        std::vector<double> times;
        for (int i = 0; i < kRuns; ++i) {
            const QString copy = folder.filePath(QStringLiteral("%1-%2").arg(from).arg(i));
            QDir().mkpath(copy);
            for (const QString& name : dataFileNames())
                QFile::copy(folder.filePath(from + u'/' + name), QDir(copy).filePath(name));
            times.push_back(bench::medianMilliseconds(1, 0, [&] {
                bench::runQuietly({"import", file, "--folder", copy});
            }));
        }
        return bench::median(times);
    };
    const double newerRounds = additions(QStringLiteral("held"));
    if (!QFile::remove(folder.filePath(QStringLiteral("new-1/") + kPrizeFile)) ||
        !QDir().rename(folder.filePath(QStringLiteral("new-1")),
                       folder.filePath(QStringLiteral("unpriced")))) {
        std::fprintf(stderr, "the folder without prizes could not be prepared\n");
        return 1;
    }
    const double prizesOnly = additions(QStringLiteral("unpriced"));
    const double backtest = bench::medianMilliseconds(kRuns, 1, [&] {
        bench::runQuietly({"backtest", "--results", file, "--count", "10"});
    });

    std::printf("A file of %d rounds, eleven columns, newest first (%lld bytes)\n", kRounds,
                qint64(whole.size()));
    std::printf("  reading it:                                %7.1f ms\n", reading);
    std::printf("  importing it into an empty folder:         %7.1f ms  (target < 200)\n", import);
    std::printf("  adding its %d newest rounds to a folder:   %7.1f ms  (target < 200)\n",
                kRounds - kHeld, newerRounds);
    std::printf("  adding only its prizes to a folder:        %7.1f ms  (target < 200)\n",
                prizesOnly);
    std::printf("  backtesting its %d rounds at N = 10:     %7.1f ms  (target < 1000)\n", kRounds,
                backtest);
    std::printf("  (median of %d runs)\n", kRuns);
    return 0;
}
