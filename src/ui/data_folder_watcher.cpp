#include "ui/data_folder_watcher.h"

#include <QDir>
#include <QFileInfo>

#include "data/data_file_table.h"

namespace k4 {
namespace {

constexpr int kSettleMilliseconds = 150;

}  // namespace

DataFolderWatcher::DataFolderWatcher(const QString& folder, QObject* parent)
    : QObject(parent), folder_(folder) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMilliseconds);
    watcher_.addPath(folder_);
    watchDataFiles();
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_,
            qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &settle_, qOverload<>(&QTimer::start));
    connect(&settle_, &QTimer::timeout, this, [this] {
        watchDataFiles();
        emit changed();
    });
}

void DataFolderWatcher::watchDataFiles() {
    const QStringList watched = watcher_.files();
    for (const QString& name : dataFileNames()) {
        const QString path = QDir(folder_).filePath(name);
        if (!watched.contains(path) && QFileInfo(path).isFile()) watcher_.addPath(path);
    }
}

}  // namespace k4
