#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include "platform/failure.h"
#include "platform/file_system.h"

namespace k4::test {

// Files held in memory; a missing file fails as on disk, and every step succeeds at once. For
// the fuzz targets and tests that need no disk.
class MemoryFileSystem final : public FileSystem {
public:
    QByteArray read(const QString& name) const override {
        const auto it = files.constFind(name);
        if (it == files.constEnd()) throw Failure(FailureKind::FileNotFound, name);
        return *it;
    }
    bool exists(const QString& name) const override { return files.contains(name); }
    QStringList fileNames() const override { return files.keys(); }
    void checkReplaceable(const QString&) const override {}
    void writeDurably(const QString& name, const QByteArray& bytes) override {
        files[name] = bytes;
    }
    void rename(const QString& from, const QString& to) override { files[to] = files.take(from); }
    void remove(const QString& name) override { files.remove(name); }
    void syncFolder() override {}
    std::unique_ptr<FolderLock> lockFolder() override { return std::make_unique<FolderLock>(); }
    // A folder's files are kept apart from these, in the object returned.
    std::unique_ptr<FileSystem> createFolder(const QString& name) override {
        if (files.contains(name) || folders.contains(name)) return nullptr;
        folders.append(name);
        return std::make_unique<MemoryFileSystem>();
    }

    QMap<QString, QByteArray> files;
    QStringList folders;
};

}  // namespace k4::test
