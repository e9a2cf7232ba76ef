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
    // Failure(CannotWrite) on any failure; the old file is then unchanged. A name may lead into
    // a folder of the data folder ("folder/file").
    virtual void replace(const QString& name, const QByteArray& bytes) = 0;

    // Creates a folder in the data folder. Returns false when something of that name is there
    // already; throws Failure(CannotWrite) when it cannot be created.
    virtual bool createFolder(const QString& name) = 0;
};

// The steps of replacing a file on disk.
enum class WriteStep {
    CreateTemporary,  // creating the temporary file beside the old one
    Write,            // writing one chunk of the new content
    Flush,            // flushing the written content to the disk
    Rename,           // renaming the temporary file over the old one
};

// Decides, before each step of a replacement, whether that step fails. Tests use it to fail
// every step of every rewrite in turn; the program has none.
class WriteFaults {
public:
    virtual ~WriteFaults() = default;
    virtual bool fails(WriteStep step, const QString& name) = 0;
};

// Files in a folder on disk. A replacement goes to a temporary file in the same folder that is
// renamed over the old one, so a failed or interrupted write never leaves a cut file.
class DiskFileSystem final : public FileSystem {
public:
    explicit DiskFileSystem(QString folder, WriteFaults* faults = nullptr);

    QByteArray read(const QString& name) const override;
    void replace(const QString& name, const QByteArray& bytes) override;
    bool createFolder(const QString& name) override;

private:
    QString path(const QString& name) const;
    bool fails(WriteStep step, const QString& name) const;

    QString folder_;
    WriteFaults* faults_;
};

// A file anywhere, named by its path, read or replaced whole as the data files are; a failure
// names the file without its folder.
QByteArray readFileAt(const QString& path);
void replaceFileAt(const QString& path, const QByteArray& bytes);

}  // namespace k4
