#pragma once

// What the fuzz targets share: a folder of files in memory and a property check.

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QHash>
#include <cstdio>
#include <cstdlib>

#include "platform/failure.h"
#include "platform/file_system.h"

namespace k4::fuzz {

// Aborts, so that libFuzzer keeps the input, when a property does not hold.
inline void check(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "broken property: %s\n", property);
    std::abort();
}

// The next bytes of the input, at most `most` of them.
inline QByteArray bytesOf(FuzzedDataProvider& input, std::size_t most) {
    const std::string text = input.ConsumeRandomLengthString(most);
    return QByteArray(text.data(), qsizetype(text.size()));
}

// Files held in memory; a missing file fails as on disk.
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

}  // namespace k4::fuzz
