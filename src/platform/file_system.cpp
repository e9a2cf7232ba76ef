#include "platform/file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/failure.h"

namespace k4 {

DiskFileSystem::DiskFileSystem(QString folder) : folder_(std::move(folder)) {}

QString DiskFileSystem::path(const QString& name) const { return QDir(folder_).filePath(name); }

QByteArray DiskFileSystem::read(const QString& name) const {
    const QFileInfo info(path(name));
    if (!info.exists()) throw Failure(FailureKind::FileNotFound, name);
    QFile file(info.filePath());
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) throw Failure(FailureKind::CannotOpen, name);
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
    QSaveFile file(info.filePath());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Failure(FailureKind::CannotWrite, name);
}

}  // namespace k4
