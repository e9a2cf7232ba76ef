#pragma once

// What the fuzz targets share: a property check and the input as bytes. A folder of files
// in memory comes from the tests' support.

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <cstdio>
#include <cstdlib>

#include "support/memory_file_system.h"

namespace k4::fuzz {

using test::MemoryFileSystem;

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

}  // namespace k4::fuzz
