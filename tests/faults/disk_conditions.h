#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace k4::test {

// Conditions of the disk that the fault tests set up for as long as the object lives, each
// where the system has it: holds() says whether it does here. One source file per system.

// No file may grow beyond `room` bytes, as on a full disk; a write past it fails instead of
// ending the process. POSIX has it (a file size limit); Windows has no such limit.
class FullDisk {
public:
    explicit FullDisk(qint64 room);
    ~FullDisk();
    bool holds() const;

private:
    struct Saved;
    std::unique_ptr<Saved> saved_;
};

// Files can no longer be created in the folder; the files in it stay writable. On POSIX root
// acts as the user nobody meanwhile, since root may create files anywhere.
class UnwritableFolder {
public:
    explicit UnwritableFolder(const QString& folder);
    ~UnwritableFolder();
    bool holds() const;

private:
    QString folder_;
    bool asNobody_ = false;
};

// While it lives, temporary folders are made where UnwritableFolder's user can reach them. On
// POSIX root acts as the user nobody, who cannot reach a folder under a TMPDIR in /root or under
// a root folder of mode 0700: the first of TMPDIR, /tmp and /var/tmp that nobody can reach is
// taken. found() says whether there is one.
class ReachableTemporaryFolders {
public:
    ReachableTemporaryFolders();
    ~ReachableTemporaryFolders();
    bool found() const;

private:
    QByteArray oldTmpdir_;
    bool hadTmpdir_ = false;
    bool found_ = false;
};

// Another program holds the file open, as an editor or a spreadsheet may, without sharing it
// for renaming or removal. Windows then refuses to rename or remove it; POSIX has no such hold.
class FileHeldOpen {
public:
    explicit FileHeldOpen(const QString& path);
    ~FileHeldOpen();
    bool holds() const;

private:
    void* handle_ = nullptr;
};

}  // namespace k4::test
