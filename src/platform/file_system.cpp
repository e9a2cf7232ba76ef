#include "platform/file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/failure.h"

namespace k4 {

namespace {

// New content is written in chunks of this size, so a failing disk can stop a write midway.
constexpr qsizetype kWriteChunk = 64 * 1024;

}  // namespace

DiskFileSystem::DiskFileSystem(QString folder, WriteFaults* faults)
    : folder_(std::move(folder)), faults_(faults) {}

bool DiskFileSystem::fails(WriteStep step, const QString& name) const {
    return faults_ && faults_->fails(step, name);
}

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

void DiskFileSystem::replace(const QString& name, const QByteArray& bytes) {
    const QFileInfo info(path(name));
    // A rename would happily replace a read-only file, and so would root; the user made it
    // read-only to keep it as it is.
    const bool readOnly =
        info.exists() && (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner));
    if (info.isDir() || readOnly) throw Failure(FailureKind::CannotWrite, name);
    // Until commit() the new content lives in a temporary file that QSaveFile removes when the
    // replacement is given up, so every failure below leaves the old file as it was.
    QSaveFile file(info.filePath());
    const auto fail = [&] {
        file.cancelWriting();
        throw Failure(FailureKind::CannotWrite, name);
    };
    if (fails(WriteStep::CreateTemporary, name) || !file.open(QIODevice::WriteOnly)) fail();
    for (qsizetype at = 0; at < bytes.size(); at += kWriteChunk) {
        const QByteArrayView chunk =
            QByteArrayView(bytes).sliced(at, qMin(kWriteChunk, bytes.size() - at));
        if (fails(WriteStep::Write, name) || file.write(chunk.data(), chunk.size()) != chunk.size())
            fail();
    }
    if (fails(WriteStep::Flush, name) || !file.flush()) fail();
    if (fails(WriteStep::Rename, name) || !file.commit()) fail();
}

bool DiskFileSystem::createFolder(const QString& name) {
    const QString folder = path(name);
    if (QFileInfo::exists(folder)) return false;
    if (!QDir().mkdir(folder)) throw Failure(FailureKind::CannotWrite, name);
    return true;
}

QByteArray readFileAt(const QString& path) {
    const QFileInfo file(path);
    return DiskFileSystem(file.absolutePath()).read(file.fileName());
}

void replaceFileAt(const QString& path, const QByteArray& bytes) {
    const QFileInfo file(path);
    DiskFileSystem(file.absolutePath()).replace(file.fileName(), bytes);
}

}  // namespace k4
