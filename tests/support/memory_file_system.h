#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include "platform/failure.h"
#include "platform/file_system.h"

namespace k4::test {

// Files held in memory; a missing file fails as on disk, and every step succeeds at once. For
// the fuzz targets and tests that need no disk.
//
// It also keeps what a power cut would leave, as a disk that caches writes does: a file's
// content only as of its last sync, and the folder's names (created, renamed, removed) only as
// of the folder's last sync. cutPower() drops the rest.
class MemoryFileSystem final : public FileSystem {
public:
    // Puts a file there as though it had been there for long: content and name on the disk.
    void put(const QString& name, const QByteArray& bytes) {
        writeDurably(name, bytes);
        syncedNames_[name] = names_.value(name);
    }
    // Every file as the program sees it now, by name.
    QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> contents;
        for (auto it = names_.cbegin(); it != names_.cend(); ++it)
            contents.insert(it.key(), contents_.value(*it).live);
        return contents;
    }
    QStringList folders() const { return folders_; }

    // What the next start finds after the power goes now.
    void cutPower() {
        names_ = syncedNames_;
        folders_ = syncedFolders_;
        QMap<int, Content> kept;
        for (const int file : std::as_const(names_)) {
            Content& content = contents_[file];
            content.live = content.synced;
            kept.insert(file, content);
        }
        contents_ = kept;
    }

    QByteArray read(const QString& name) const override {
        const auto it = names_.constFind(name);
        if (it == names_.constEnd()) throw Failure(FailureKind::FileNotFound, name);
        return contents_.value(*it).live;
    }
    bool exists(const QString& name) const override { return names_.contains(name); }
    QStringList fileNames() const override { return names_.keys(); }
    void checkReplaceable(const QString&) const override {}
    // Creates or empties the file, as opening it for writing does, and syncs its content.
    void writeDurably(const QString& name, const QByteArray& bytes) override {
        if (!names_.contains(name)) names_.insert(name, nextFile_++);
        contents_[names_.value(name)] = {bytes, bytes};
    }
    void rename(const QString& from, const QString& to) override {
        if (!names_.contains(from)) throw Failure(FailureKind::CannotWrite, to);
        names_[to] = names_.take(from);
    }
    void remove(const QString& name) override { names_.remove(name); }
    void syncFolder() override {
        syncedNames_ = names_;
        syncedFolders_ = folders_;
    }
    std::unique_ptr<FolderLock> lockFolder() override { return std::make_unique<FolderLock>(); }
    // A folder's files are kept apart from these, in the object returned.
    std::unique_ptr<FileSystem> createFolder(const QString& name) override {
        if (names_.contains(name) || folders_.contains(name)) return nullptr;
        folders_.append(name);
        return std::make_unique<MemoryFileSystem>();
    }

private:
    struct Content {
        QByteArray live;    // as the program reads it
        QByteArray synced;  // as of the file's last sync
    };
    // A name stands for a file, which a rename moves to another name with its content.
    QMap<QString, int> names_;
    QMap<QString, int> syncedNames_;
    QMap<int, Content> contents_;
    int nextFile_ = 0;
    QStringList folders_;
    QStringList syncedFolders_;
};

}  // namespace k4::test
