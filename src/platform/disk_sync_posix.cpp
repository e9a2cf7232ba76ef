#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "platform/disk_sync.h"

namespace k4 {

bool syncFileToDisk(QFile& file) {
    return file.flush() && ::fsync(file.handle()) == 0;
}

bool syncFolderToDisk(const QString& folder) {
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0) return false;
    const bool synced = ::fsync(descriptor) == 0;
    return ::close(descriptor) == 0 && synced;
}

bool renameReplacing(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

}  // namespace k4
