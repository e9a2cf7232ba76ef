#include <windows.h>

#include <QDir>

#include "disk_conditions.h"

namespace k4::test {

struct FullDisk::Saved {};

FullDisk::FullDisk(qint64) {}
FullDisk::~FullDisk() = default;

bool FullDisk::holds() const {
    return false;
}

// Windows ignores a folder's read-only attribute; taking the right to create files away would
// take an access control list written for the user running the tests.
UnwritableFolder::UnwritableFolder(const QString& folder) : folder_(folder) {}
UnwritableFolder::~UnwritableFolder() = default;

bool UnwritableFolder::holds() const {
    return false;
}

// Every folder the tests make is their own user's.
ReachableTemporaryFolders::ReachableTemporaryFolders() = default;
ReachableTemporaryFolders::~ReachableTemporaryFolders() = default;

bool ReachableTemporaryFolders::found() const {
    return true;
}

// Opened for reading and writing, sharing reading only: as a program that keeps its document
// open does.
FileHeldOpen::FileHeldOpen(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    const HANDLE file =
        CreateFileW(reinterpret_cast<const wchar_t*>(native.utf16()), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) handle_ = file;
}

FileHeldOpen::~FileHeldOpen() {
    if (handle_) CloseHandle(handle_);
}

bool FileHeldOpen::holds() const {
    return handle_ != nullptr;
}

}  // namespace k4::test
