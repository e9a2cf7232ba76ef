#pragma once

#include <QByteArray>
#include <QString>

namespace k4 {

// The files of one data folder, named by their bare names. Every operation is whole: a file is
// read entirely or replaced entirely.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The whole content of the file. Throws Failure(FileNotFound) when there is no such file and
    // Failure(CannotOpen) when it cannot be read.
    virtual QByteArray read(const QString& name) const = 0;

    // Replaces the file, or creates it, so that it holds exactly `bytes`. Throws
    // Failure(CannotWrite) on any failure; the old file is then unchanged.
    virtual void replace(const QString& name, const QByteArray& bytes) = 0;
};

// Files in a folder on disk. A replacement goes to a temporary file in the same folder that is
// renamed over the old one, so a failed or interrupted write never leaves a cut file.
class DiskFileSystem final : public FileSystem {
public:
    explicit DiskFileSystem(QString folder);

    QByteArray read(const QString& name) const override;
    void replace(const QString& name, const QByteArray& bytes) override;

    const QString& folder() const { return folder_; }

private:
    QString path(const QString& name) const;

    QString folder_;
};

}  // namespace k4
