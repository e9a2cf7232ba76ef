#include <io.h>
#include <windows.h>

#include <QDir>

#include "platform/disk_sync.h"

namespace k4 {

bool syncFileToDisk(QFile& file) {
    if (!file.flush()) return false;
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle) != 0;
}

// NTFS journals its folder entries itself, and Windows offers no way to flush a folder that
// works for every user; a rename is durable once MoveFileEx returns with write-through.
bool syncFolderToDisk(const QString&) {
    return true;
}

bool renameReplacing(const QString& from, const QString& to) {
    const QString source = QDir::toNativeSeparators(from);
    const QString target = QDir::toNativeSeparators(to);
    return MoveFileExW(reinterpret_cast<const wchar_t*>(source.utf16()),
                       reinterpret_cast<const wchar_t*>(target.utf16()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace k4
