#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

namespace k4 {

// Held while a program writes into a folder; released when it goes.
class FolderLock {
public:
    virtual ~FolderLock() = default;
};

// The files of one folder, named by their bare names: the primitive steps from which the data
// layer builds whole, all-or-nothing rewrites. Every step that fails throws a Failure naming the
// file (CannotWrite for the writing steps).
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The whole content of the file. Throws Failure(FileNotFound) when there is no such file and
    // Failure(CannotOpen) when it cannot be read.
    virtual QByteArray read(const QString& name) const = 0;
    virtual bool exists(const QString& name) const = 0;
    // The names of every file in the folder, hidden ones too; none when there is no folder.
    virtual QStringList fileNames() const = 0;
    // The folder as messages name it; empty where it has no place on a disk.
    virtual QString folderName() const { return {}; }

    // Throws Failure(CannotWrite) when `name` is something a rewrite must leave alone: a folder,
    // or a file the user made read-only.
    virtual void checkReplaceable(const QString& name) const = 0;
    // Creates the file, or empties it, writes `bytes` and returns once they are on the disk.
    // Not atomic: for temporary files, which only a rename makes part of the folder.
    virtual void writeDurably(const QString& name, const QByteArray& bytes) = 0;
    // Renames `from` to `to` in one step, replacing a file `to`.
    virtual void rename(const QString& from, const QString& to) = 0;
    // Removes the file; a missing file is no failure.
    virtual void remove(const QString& name) = 0;
    // Returns once the folder's entries (files created, renamed, removed) are on the disk.
    virtual void syncFolder() = 0;

    // The folder's single-writer lock, held until the returned object goes. Throws
    // Failure(FolderInUse) naming the folder while another live process holds it.
    virtual std::unique_ptr<FolderLock> lockFolder() = 0;

    // Creates a folder in this one and returns its files; none when something of that name is
    // there already. Throws Failure(CannotWrite) when it cannot be created.
    virtual std::unique_ptr<FileSystem> createFolder(const QString& name) = 0;
};

// Files in a folder on disk.
class DiskFileSystem final : public FileSystem {
public:
    explicit DiskFileSystem(QString folder);

    QByteArray read(const QString& name) const override;
    bool exists(const QString& name) const override;
    QStringList fileNames() const override;
    QString folderName() const override;
    void checkReplaceable(const QString& name) const override;
    void writeDurably(const QString& name, const QByteArray& bytes) override;
    void rename(const QString& from, const QString& to) override;
    void remove(const QString& name) override;
    void syncFolder() override;
    std::unique_ptr<FolderLock> lockFolder() override;
    std::unique_ptr<FileSystem> createFolder(const QString& name) override;

private:
    QString path(const QString& name) const;

    QString folder_;
};

// Where a file saved at `path` goes.
struct SavePlace {
    QString folder;  // the folder whose file `name` a commit replaces whole
    QString name;
    // A device, a pipe or a terminal (also behind a link, as /proc/self/fd/1 is), which a rename
    // would replace by a regular file: it is written into instead.
    bool inPlace = false;
};

// Opens the folders a command names by their paths (a data folder given on the command line,
// the folder of a file the user saves), so that a command can be handed other file systems
// than the disk's. What a path names (a link, a device, the folder another path names) is the
// opener's to say too, so that under other file systems nothing looks at the disk.
class FolderOpener {
public:
    virtual ~FolderOpener() = default;
    // The files of the folder at `path`, which need not exist yet.
    virtual std::unique_ptr<FileSystem> open(const QString& path) = 0;
    // Where a file saved at `path` goes. A link stays a link: the file it names is the one
    // replaced.
    virtual SavePlace savePlaceOf(const QString& path) const = 0;
    // Writes `bytes` into what stands at `path` as it is, for a device, a pipe or a terminal that
    // a rename would replace by a regular file. Throws Failure(CannotWrite) naming the path.
    virtual void writeInPlaceAt(const QString& path, const QByteArray& bytes) = 0;
    // Whether two paths name one folder, through links too; false when either is missing.
    virtual bool isSameFolder(const QString& one, const QString& other) const = 0;
};

// The program's folders: those on the disk.
class DiskFolderOpener final : public FolderOpener {
public:
    std::unique_ptr<FileSystem> open(const QString& path) override;
    SavePlace savePlaceOf(const QString& path) const override;
    void writeInPlaceAt(const QString& path, const QByteArray& bytes) override;
    bool isSameFolder(const QString& one, const QString& other) const override;
};

// The whole content of the file at `path`, read through the folder `folders` opens for it as
// the data files are read; a failure names the file without its folder.
QByteArray readFileAt(FolderOpener& folders, const QString& path);

// Creates the folder at `path` and each missing folder above it through `folders`, every new
// entry on the disk when it returns; a folder that is there is left as it is. Throws
// Failure(CannotWrite) when one cannot be made, a file standing in its place among them.
void makeFolderAt(FolderOpener& folders, const QString& path);

// The user's documents folder where there is one, the home folder otherwise: where the folders
// and files the user chooses are first looked for.
QString documentsFolder();

}  // namespace k4
