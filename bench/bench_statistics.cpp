// Times the statistics window on a 2000-line history (the most a history file keeps):
//  - opening it until every page is filled, the backtest's figures included, and painted;
//  - a backtest recompute for N = 20, with the longest time the event loop waited meanwhile;
//  - the digit statistics of every result, alone and as the page shows them.
// Prints the median of several runs of each.
//
//   QT_QPA_PLATFORM=offscreen bench_statistics

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "analysis/digit_statistics.h"
#include "analysis/statistics_data.h"
#include "data/data_files.h"
#include "platform/file_system.h"
#include "register/registration_replay.h"
#include "support/random_draws.h"
#include "timing.h"
#include "ui/statistics/backtest_page.h"
#include "ui/statistics/statistics_window.h"
#include "window_services.h"

using namespace k4;

namespace {

constexpr int kHistoryLines = 2000;
constexpr int kOpenCount = 10;
constexpr int kRecomputeCount = 20;
constexpr int kRuns = 9;
constexpr int kDigitRuns = 101;

// Runs the event loop until the page's figures are on it.
void awaitFigures(BacktestPage* page) {
    QEventLoop loop;
    QObject::connect(page, &BacktestPage::computed, &loop, &QEventLoop::quit);
    loop.exec();
}

// The longest gap between the ticks of a timer that asks for one every millisecond: how long
// the event loop was kept from handling an input event.
class EventLoopWatch {
public:
    EventLoopWatch() {
        ticks_.setInterval(1);
        QObject::connect(&ticks_, &QTimer::timeout, [this] {
            longest_ = std::max(longest_, since_.nsecsElapsed() / 1e6);
            since_.start();
        });
        since_.start();
        ticks_.start();
    }
    double longestMilliseconds() const { return longest_; }

private:
    QTimer ticks_;
    QElapsedTimer since_;
    double longest_ = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QTemporaryDir folder;
    DiskFileSystem files(folder.path());
    RegistrationReplay replay(0);
    for (const QString& result : test::randomDraws(kHistoryLines, 20261207))
        replay.registerResult(result);
    DataFiles dataFiles(files);
    dataFiles.commit(replay.files(), dataFiles.readState());

    bench::WindowServices world(files);
    Services& services = world.services;

    std::vector<double> opening, recompute, longestWait;
    for (int run = 0; run <= kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        auto* window = new StatisticsWindow(services, kOpenCount, [](const QString&) {});
        window->load();
        awaitFigures(window->backtestPage());
        QCoreApplication::processEvents();                           // the first paint
        if (run > 0) opening.push_back(timer.nsecsElapsed() / 1e6);  // the first warms caches

        EventLoopWatch watch;
        timer.start();
        window->findChild<QSpinBox*>(QStringLiteral("countBox"))->setValue(kRecomputeCount);
        awaitFigures(window->backtestPage());
        if (run > 0) {
            recompute.push_back(timer.nsecsElapsed() / 1e6);
            longestWait.push_back(watch.longestMilliseconds());
        }
        delete window;
    }

    const StatisticsData data = readStatisticsData(files);
    std::vector<double> digits, digitPage;
    auto* window = new StatisticsWindow(services, kOpenCount, [](const QString&) {});
    window->load();
    awaitFigures(window->backtestPage());
    auto* scope = window->findChild<QComboBox*>(QStringLiteral("scopeBox"));
    for (int run = 0; run < kDigitRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        digitStatistics(data.history, kHistoryLines, 10);
        longestWaiting(*data.candidates, data.history, 10);
        digits.push_back(timer.nsecsElapsed() / 1e6);
        timer.start();
        scope->setCurrentIndex(run % 2 == 0 ? 2 : 1);  // every result, then the newest 500
        digitPage.push_back(timer.nsecsElapsed() / 1e6);
    }
    delete window;

    std::printf("Statistics window, %d-line history (median of %d runs)\n", kHistoryLines, kRuns);
    std::printf("  open with every page filled and painted (N = %d):  %7.1f ms  (target < 150)\n",
                kOpenCount, bench::median(opening));
    std::printf("  backtest recompute for N = %d:                     %7.1f ms  (target < 300)\n",
                kRecomputeCount, bench::median(recompute));
    std::printf(
        "  longest event loop wait meanwhile:                %7.1f ms  (worst run %.1f; target < "
        "50)\n",
        bench::median(longestWait), *std::max_element(longestWait.begin(), longestWait.end()));
    std::printf("  digit statistics of every result:                 %7.2f ms  (target < 10)\n",
                bench::median(digits));
    std::printf("  the digit page refilled on a change of scope:     %7.2f ms\n",
                bench::median(digitPage));
    return 0;
}
