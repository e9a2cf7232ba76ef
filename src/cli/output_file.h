#pragma once

#include <QByteArray>
#include <QString>

#include "cli/console.h"

namespace k4 {

class FolderOpener;

// Writes a file the user asked for (--csv, --png) whole, or leaves the old one as it was and
// says why on the console. Returns whether it was written.
bool writeOutputFile(const QString& path, const QByteArray& bytes, Console& console,
                     FolderOpener& folders);

}  // namespace k4
