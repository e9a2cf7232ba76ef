#pragma once

#include <QPointer>
#include <QString>
#include <memory>

namespace k4 {

class DataFolderWatcher;
class MainWindow;
class StatisticsWindow;
struct Services;

// How the program was asked to start.
struct StartOptions {
    enum class Windows {
        Main,            // the main window, the other windows opened from it
        StatisticsOnly,  // --stats: only the statistics window; closing it ends the program
    };
    Windows windows = Windows::Main;
    // --stats-screenshot FILE, for the documentation: the statistics window writes a picture of
    // its backtest page to FILE once the page is filled, and the program ends.
    QString screenshotFile;
};

// The program's first window, as the options ask.
class ProgramWindows {
public:
    ProgramWindows(Services& services, StartOptions options);
    ~ProgramWindows();

    // Opens the window; called from the event loop, so that a failure can end the program.
    void start();

private:
    void writeScreenshot();
    // Lets the open windows follow what other programs change in the data folder.
    void followDataFolder();

    Services& services_;
    StartOptions options_;
    std::unique_ptr<MainWindow> main_;
    QPointer<StatisticsWindow> statistics_;
    std::unique_ptr<DataFolderWatcher> watcher_;
};

}  // namespace k4
