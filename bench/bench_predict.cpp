// Times the Predict command's work: reading the candidate table and the history, computing the
// predictions, building the report and writing it, on a 570-line table and a 1000-line
// history. Prints the median of many runs of each part, in microseconds.
//
//   bench_predict [data folder]   (default: a temporary folder)

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "data/data_files.h"
#include "data/file_names.h"
#include "data/initial_candidates.h"
#include "platform/file_system.h"
#include "predict/prediction.h"
#include "predict/prediction_files.h"
#include "predict/report.h"
#include "support/random_draws.h"
#include "timing.h"

using namespace k4;

namespace {

constexpr int kHistoryLines = 1000;
constexpr int kEndToEndRuns = 2000;
constexpr int kComputeRuns = 20000;
constexpr double kCount = 10;  // the count the main window starts with
const QString kRoundText = QStringLiteral("1001");

double medianMicroseconds(int runs, const std::function<void()>& work) {
    return bench::medianMilliseconds(runs, runs / 10, work) * 1000;
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    DiskFileSystem disk(folder);
    DataFiles files(disk);

    constexpr quint32 kSeed = 20261207;
    const QStringList candidates = test::shuffled(initialCandidateLines(), kSeed);
    files.writeTextFile(kCandidateFile, candidates);
    files.writeTextFile(kHistoryFile, test::randomDraws(kHistoryLines, kSeed));
    const QDate date = QDate::currentDate();
    const std::int32_t round = *reportRound(kRoundText);

    const double endToEnd = medianMicroseconds(kEndToEndRuns, [&] {
        const PredictionData data = predictionDataIn(files.readState());
        const QStringList predictions = predict(data.candidates, data.history, kCount);
        writeReport(files, reportLines({kRoundText, *reportRound(kRoundText), predictions,
                                        data.history, date}));
    });

    const PredictionData data = predictionDataIn(files.readState());
    QStringList predictions;
    const double reading =
        medianMicroseconds(kEndToEndRuns, [&] { (void)predictionDataIn(files.readState()); });
    const double compute = medianMicroseconds(
        kComputeRuns, [&] { predictions = predict(data.candidates, data.history, kCount); });
    QStringList lines;
    const double building = medianMicroseconds(kComputeRuns, [&] {
        lines = reportLines({kRoundText, round, predictions, data.history, date});
    });
    const double writing = medianMicroseconds(kEndToEndRuns, [&] { writeReport(files, lines); });

    std::printf("Predict, %lld candidates, %d results, count %g, data folder %s\n",
                static_cast<long long>(candidates.size()), kHistoryLines, kCount,
                qPrintable(QDir::toNativeSeparators(folder)));
    std::printf("  end to end (read, compute, report, write): %8.1f us  (target < 2000)\n",
                endToEnd);
    std::printf("  read both files:                           %8.1f us\n", reading);
    std::printf("  compute the predictions:                   %8.1f us  (target < 100)\n", compute);
    std::printf("  build the 45 report lines:                 %8.1f us\n", building);
    std::printf("  write the report:                          %8.1f us\n", writing);
    std::printf("  (%lld predictions listed; median of %d and %d runs)\n",
                static_cast<long long>(predictions.size()), kEndToEndRuns, kComputeRuns);
    return 0;
}
