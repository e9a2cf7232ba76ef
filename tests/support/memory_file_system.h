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
// content only as of its last sync, and the folder's names (created, renamed, removed) as of the
// folder's last sync. Of the changes to names since then, a cut keeps none, or any of them
// chosen by the test: a disk that keeps no order among them (a memory card, a USB stick) may
// have written any of them.
class MemoryFileSystem final : public FileSystem {
public:
    // Puts a file there as though it had been there for long: content and name on the disk (the
    // folder is synced).
    void put(const QString& name, const QByteArray& bytes) {
        writeDurably(name, bytes);
        syncFolder();
    }
    // Every file as the program sees it now, by name.
    QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> contents;
        for (auto it = names_.cbegin(); it != names_.cend(); ++it)
            contents.insert(it.key(), contents_.value(*it).live);
        return contents;
    }
    QStringList folders() const { return folders_; }

    // How many changes to names the folder has had since its last sync.
    qsizetype unsyncedChanges() const { return unsynced_.size(); }

    // What the next start finds after the power goes now: the folder's names as of its last
    // sync, with those of the later changes that `kept` marks (by their order) written too.
    void cutPower(const QList<bool>& kept = {}) {
        for (qsizetype i = 0; i < unsynced_.size(); ++i) {
            if (!kept.value(i)) continue;
            const NameChange& change = unsynced_.at(i);
            if (!change.to.isEmpty()) syncedNames_.insert(change.to, change.file);
            if (!change.from.isEmpty() && syncedNames_.value(change.from, -1) == change.file)
                syncedNames_.remove(change.from);
        }
        unsynced_.clear();
        names_ = syncedNames_;
        folders_ = syncedFolders_;
        QMap<int, Content> contents;
        for (const int file : std::as_const(names_)) {
            Content& content = contents_[file];
            content.live = content.synced;
            contents.insert(file, content);
        }
        contents_ = contents;
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
        if (!names_.contains(name)) {
            names_.insert(name, nextFile_);
            unsynced_.append({{}, name, nextFile_++});
        }
        contents_[names_.value(name)] = {bytes, bytes};
    }
    void rename(const QString& from, const QString& to) override {
        if (!names_.contains(from)) throw Failure(FailureKind::CannotWrite, to);
        names_[to] = names_.value(from);
        unsynced_.append({from, to, names_.take(from)});
    }
    void remove(const QString& name) override {
        if (names_.contains(name)) unsynced_.append({name, {}, names_.take(name)});
    }
    void syncFolder() override {
        syncedNames_ = names_;
        syncedFolders_ = folders_;
        unsynced_.clear();
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
    // A change to the folder's names: a file created (no `from`), renamed, or removed (no `to`).
    struct NameChange {
        QString from;
        QString to;
        int file = 0;
    };
    // A name stands for a file, which a rename moves to another name with its content.
    QMap<QString, int> names_;
    QMap<QString, int> syncedNames_;
    QList<NameChange> unsynced_;
    QMap<int, Content> contents_;
    int nextFile_ = 0;
    QStringList folders_;
    QStringList syncedFolders_;
};

}  // namespace k4::test
