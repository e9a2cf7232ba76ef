// Times the registration window and one registration:
//  - opening the window on a history of 1,000,000 lines until its list is filled, with the
//    peak resident memory of the process afterwards;
//  - one registration end to end (reading the candidate and counter files, committing the three
//    files together) on a 2000-line history.
//
//   QT_QPA_PLATFORM=offscreen bench_register

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "data/data_files.h"
#include "data/file_names.h"
#include "data/lines.h"
#include "platform/file_system.h"
#include "register/registration.h"
#include "timing.h"
#include "ui/registration_window.h"
#include "window_services.h"

using namespace k4;

namespace {

constexpr int kHugeHistory = 1'000'000;
constexpr int kRegistrationHistory = 2000;
constexpr int kRegistrationRuns = 200;

QByteArray historyBytes(int lines) {
    QByteArray bytes;
    bytes.reserve(lines * 6);
    for (int i = 0; i < lines; ++i) bytes += QByteArray::number(1000 + i % 9000) + "\r\n";
    return bytes;
}

QByteArray candidateBytes() {
    QByteArray bytes;
    for (int n = 1000; n < 1570; ++n) bytes += QByteArray::number(n) + "\r\n";
    return bytes;
}

void writeFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes) {
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}

// The peak resident memory of this process so far, in megabytes.
double peakResidentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return -1;
}

void timeOpeningOnAHugeHistory() {
    QTemporaryDir folder;
    writeFile(folder, kHistoryFile, historyBytes(kHugeHistory));
    DiskFileSystem files(folder.path());
    bench::WindowServices world(files);
    Services& services = world.services;

    QElapsedTimer timer;
    timer.start();
    auto* window = new RegistrationWindow(services, [](const QString&) {});
    window->load();
    QCoreApplication::processEvents();  // the first paint of the list
    const double milliseconds = timer.nsecsElapsed() / 1e6;
    const int rows = window->findChild<QListView*>(QStringLiteral("List1"))->model()->rowCount();
    std::printf("open the window on %d lines: %.0f ms, %d entries listed, peak resident %.0f MB\n",
                kHugeHistory, milliseconds, rows, peakResidentMegabytes());
    delete window;
}

void timeOneRegistration() {
    QTemporaryDir folder;
    const QByteArray history = historyBytes(kRegistrationHistory);
    const QStringList entries = readLines(history);
    std::vector<double> milliseconds;
    for (int run = 0; run < kRegistrationRuns; ++run) {
        writeFile(folder, kHistoryFile, history);
        writeFile(folder, kCandidateFile, candidateBytes());
        writeFile(folder, kCounterFile, "41\r\n");
        DiskFileSystem files(folder.path());
        DataFiles data(files);
        QElapsedTimer timer;
        timer.start();
        registerResult(data, QStringLiteral("0151"), entries, data.readState());  // matches line 16
        milliseconds.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("one registration on %d lines (3 reads, one commit of 3 files): median %.2f ms\n",
                kRegistrationHistory, bench::median(milliseconds));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    timeOneRegistration();
    timeOpeningOnAHugeHistory();
    return 0;
}
