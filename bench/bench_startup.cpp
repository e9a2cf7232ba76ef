// Times the start of the main window on a folder with nothing to recover: the window built,
// the folder looked at for an interrupted commit, the counter read and the next round shown.
// Prints the median of many starts, and the time of the step that looks for an interrupted
// commit alone.
//
//   QT_QPA_PLATFORM=offscreen bench_startup

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "data/data_files.h"
#include "data/file_names.h"
#include "platform/file_system.h"
#include "timing.h"
#include "ui/main_window.h"
#include "window_services.h"

using namespace k4;

namespace {

constexpr int kRuns = 201;
constexpr int kWarmUps = 5;

void writeFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes) {
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QTemporaryDir folder;
    writeFile(folder, kHistoryFile, "1234\r\n5678\r\n");
    writeFile(folder, kCounterFile, "41\r\n");
    DiskFileSystem files(folder.path());
    bench::WindowServices world(files);

    const double start = bench::medianMilliseconds(kRuns, kWarmUps, [&] {
        MainWindow window(world.services);
        window.load();
    });
    const double recovery =
        bench::medianMilliseconds(kRuns, kWarmUps, [&] { DataFiles(files).recover(); });
    std::printf("start of the main window on a clean folder: median %.3f ms\n", start);
    std::printf("  of which looking for an interrupted commit: median %.3f ms\n", recovery);
    return 0;
}
