#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>

#include "platform/failure.h"
#include "platform/file_system.h"

namespace k4::test {

// Files held in memory; a missing file fails as on disk. For the fuzz targets and tests that
// need no disk.
class MemoryFileSystem final : public FileSystem {
public:
    QByteArray read(const QString& name) const override {
        const auto it = files.constFind(name);
        if (it == files.constEnd()) throw Failure(FailureKind::FileNotFound, name);
        return *it;
    }
    void replace(const QString& name, const QByteArray& bytes) override { files[name] = bytes; }
    bool createFolder(const QString& name) override {
        if (folders.contains(name) || files.contains(name)) return false;
        folders.insert(name);
        return true;
    }

    QHash<QString, QByteArray> files;
    QSet<QString> folders;
};

}  // namespace k4::test
