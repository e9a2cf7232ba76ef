#pragma once

#include <QByteArray>
#include <QHash>
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

    QHash<QString, QByteArray> files;
};

}  // namespace k4::test
