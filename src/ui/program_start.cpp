#include "ui/program_start.h"

#include <QDir>
#include <QTimer>

#include "chart/backtest_chart.h"
#include "data/folder_commit.h"
#include "platform/failure.h"
#include "platform/file_system.h"
#include "predict/prediction.h"
#include "ui/command_boundary.h"
#include "ui/data_folder_watcher.h"
#include "ui/main_window.h"
#include "ui/services.h"
#include "ui/statistics/backtest_page.h"
#include "ui/statistics/statistics_window.h"

namespace k4 {

ProgramWindows::ProgramWindows(Services& services, StartOptions options)
    : services_(services), options_(std::move(options)) {
    if (options_.windows == StartOptions::Windows::Main)
        main_ = std::make_unique<MainWindow>(services_);
}

ProgramWindows::~ProgramWindows() {
    delete statistics_;
}

// A second copy of the program on the same folder is welcome: each window follows what the
// other writes, and a command built on files that changed since writes nothing.
void ProgramWindows::followDataFolder() {
    const QString folder = services_.dataFolder.folderName();
    if (folder.isEmpty()) return;
    watcher_ = std::make_unique<DataFolderWatcher>(QDir::fromNativeSeparators(folder));
    QObject::connect(watcher_.get(), &DataFolderWatcher::changed, watcher_.get(), [this] {
        if (main_)
            main_->followFiles();
        else if (statistics_)
            statistics_->followFiles();
    });
}

void ProgramWindows::start() {
    followDataFolder();
    if (main_) {
        main_->load();
        return;
    }
    statistics_ = new StatisticsWindow(services_, kStartCount, [](const QString&) {});
    QObject::connect(statistics_, &StatisticsWindow::closed, statistics_,
                     [this] { services_.endProgram(0); });
    if (!options_.screenshotFile.isEmpty())
        QObject::connect(statistics_->backtestPage(), &BacktestPage::computed, statistics_, [this] {
            QTimer::singleShot(0, statistics_, [this] { writeScreenshot(); });
        });
    statistics_->load();
}

void ProgramWindows::writeScreenshot() {
    if (runCommand(services_, [this] {
            commitFileAt(services_.folders, options_.screenshotFile,
                         pngBytes(statistics_->grab().toImage()));
        }))
        services_.endProgram(0);
}

}  // namespace k4
