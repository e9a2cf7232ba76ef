#include "platform/file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include "platform/disk_sync.h"
#include "platform/failure.h"

namespace k4 {
namespace {

// The lock file of a folder's writer. A commit holds it for milliseconds, so a second writer
// waits this long before it gives up.
const QString kLockFile = QStringLiteral(".kirikata4.lock");
constexpr int kLockWaitMilliseconds = 2000;

class DiskFolderLock final : public FolderLock {
public:
    explicit DiskFolderLock(const QString& path) : lock_(path) {}
    QLockFile& lock() { return lock_; }

private:
    QLockFile lock_;
};

}  // namespace

DiskFileSystem::DiskFileSystem(QString folder) : folder_(std::move(folder)) {}

QString DiskFileSystem::path(const QString& name) const {
    return QDir(folder_).filePath(name);
}

QByteArray DiskFileSystem::read(const QString& name) const {
    const QFileInfo info(path(name));
    if (!info.exists()) throw Failure(FailureKind::FileNotFound, name);
    QFile file(info.filePath());
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        throw Failure(FailureKind::CannotOpen, name);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw Failure(FailureKind::CannotOpen, name);
    return bytes;
}

bool DiskFileSystem::exists(const QString& name) const {
    return QFileInfo::exists(path(name));
}

QStringList DiskFileSystem::fileNames() const {
    return QDir(folder_).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

void DiskFileSystem::checkReplaceable(const QString& name) const {
    const QFileInfo info(path(name));
    // A rename would happily replace a read-only file, and so would root; the user made it
    // read-only to keep it as it is.
    const bool readOnly =
        info.exists() && (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner));
    if (info.isDir() || readOnly) throw Failure(FailureKind::CannotWrite, name);
}

void DiskFileSystem::writeDurably(const QString& name, const QByteArray& bytes) {
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw Failure(FailureKind::CannotWrite, name);
    if (file.write(bytes) != bytes.size()) throw Failure(FailureKind::CannotWrite, name);
    if (!syncFileToDisk(file)) throw Failure(FailureKind::CannotWrite, name);
}

void DiskFileSystem::rename(const QString& from, const QString& to) {
    if (!renameReplacing(path(from), path(to))) throw Failure(FailureKind::CannotWrite, to);
}

void DiskFileSystem::remove(const QString& name) {
    QFile file(path(name));
    if (file.exists() && !file.remove()) throw Failure(FailureKind::CannotWrite, name);
}

QString DiskFileSystem::folderName() const {
    return QDir::toNativeSeparators(QDir(folder_).absolutePath());
}

void DiskFileSystem::syncFolder() {
    if (!syncFolderToDisk(folder_)) throw Failure(FailureKind::CannotWrite, folderName());
}

std::unique_ptr<FolderLock> DiskFileSystem::lockFolder() {
    auto held = std::make_unique<DiskFolderLock>(path(kLockFile));
    QLockFile& lock = held->lock();
    // Only a dead holder makes a lock stale, however long a live one has held it.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0)) return held;
    // A holder killed before it wrote its process number leaves a lock that names nobody. Qt
    // removes such a file only when no live process still holds it open and locked.
    qint64 pid = 0;
    QString host, application;
    if (lock.error() == QLockFile::LockFailedError && !lock.getLockInfo(&pid, &host, &application))
        lock.removeStaleLockFile();
    if (lock.tryLock(kLockWaitMilliseconds)) return held;
    // Where even the lock file cannot be made, the folder itself is what cannot be written.
    throw Failure(lock.error() == QLockFile::LockFailedError ? FailureKind::FolderInUse
                                                             : FailureKind::CannotWrite,
                  folderName());
}

std::unique_ptr<FileSystem> DiskFileSystem::createFolder(const QString& name) {
    const QString folder = path(name);
    if (QFileInfo::exists(folder)) return nullptr;
    if (!QDir().mkdir(folder)) throw Failure(FailureKind::CannotWrite, name);
    return std::make_unique<DiskFileSystem>(folder);
}

std::unique_ptr<FileSystem> DiskFolderOpener::open(const QString& path) {
    return std::make_unique<DiskFileSystem>(path);
}

QByteArray readFileAt(const QString& path) {
    const QFileInfo file(path);
    return DiskFileSystem(file.absolutePath()).read(file.fileName());
}

}  // namespace k4
