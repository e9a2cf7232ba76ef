#include "platform/file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include "platform/disk_sync.h"
#include "platform/failure.h"

namespace k4 {
namespace {

// The lock file of a folder's writer. A commit holds it for milliseconds, so a second writer
// waits this long before it gives up.
const QString kLockFile = QStringLiteral(".kirikata4.lock");
constexpr int kLockWaitMilliseconds = 2000;
// A lock file this old is older than any commit. Where no live process holds it (Qt asks the
// system's own file lock before it removes one), it is left over, whichever machine it names:
// a folder copied from another computer brings its lock file along.
constexpr int kStaleLockMilliseconds = 30'000;

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
    // A pipe or a device would block the read or never end it: only a regular file is opened.
    QFile file(info.filePath());
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
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
    // A rename would put a regular file in place of a link, a pipe or a device.
    if (info.isSymLink() || (info.exists() && !info.isFile()))
        throw Failure(FailureKind::NotAFile, name);
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
    if (!syncFolderToDisk(folder_)) throw Failure(FailureKind::CannotWriteFolder, folderName());
}

std::unique_ptr<FolderLock> DiskFileSystem::lockFolder() {
    // A folder or anything else of the lock file's name would stop every commit for good; the
    // user is told what stands there.
    const QFileInfo lockFile(path(kLockFile));
    if (lockFile.isSymLink() || (lockFile.exists() && !lockFile.isFile()))
        throw Failure(FailureKind::NotAFile, QDir::toNativeSeparators(lockFile.absoluteFilePath()));
    auto held = std::make_unique<DiskFolderLock>(path(kLockFile));
    QLockFile& lock = held->lock();
    // A live holder is never stale, however long it has held the lock: Qt removes a stale lock
    // file only when it can take the system's lock on it.
    lock.setStaleLockTime(kStaleLockMilliseconds);
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
                                                             : FailureKind::CannotWriteFolder,
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

QByteArray readFileAt(FolderOpener& folders, const QString& path) {
    const QFileInfo file(path);
    return folders.open(file.absolutePath())->read(file.fileName());
}

SavePlace DiskFolderOpener::savePlaceOf(const QString& path) const {
    const QFileInfo given(path);
    if (given.exists() && !given.isFile() && !given.isDir()) return {{}, {}, true};
    QFileInfo file = given;
    if (given.isSymLink())
        file = QFileInfo(given.exists() ? given.canonicalFilePath() : given.symLinkTarget());
    return {file.absolutePath(), file.fileName(), false};
}

void makeFolderAt(FolderOpener& folders, const QString& path) {
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    const QFileInfo made(folder);
    const QString parentPath = made.absolutePath();
    if (parentPath == folder) return;  // the root
    const std::unique_ptr<FileSystem> parent = folders.open(parentPath);
    const QString name = made.fileName();
    if (parent->fileNames().contains(name))  // a folder's names are its files alone
        throw Failure(FailureKind::CannotWrite, QDir::toNativeSeparators(folder));
    if (parent->exists(name)) return;
    makeFolderAt(folders, parentPath);
    if (parent->createFolder(name)) parent->syncFolder();
}

QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

bool DiskFolderOpener::isSameFolder(const QString& one, const QString& other) const {
    const QString canonical = QFileInfo(one).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(other).canonicalFilePath();
}

void DiskFolderOpener::writeInPlaceAt(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size() || !file.flush())
        throw Failure(FailureKind::CannotWrite, QDir::toNativeSeparators(path));
}

}  // namespace k4
