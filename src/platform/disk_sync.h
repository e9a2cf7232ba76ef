#pragma once

#include <QFile>
#include <QString>

namespace k4 {

// What the operating system offers for durable writes, one implementation per system.

// Waits until the content of the open file is on the disk.
bool syncFileToDisk(QFile& file);

// Waits until the entries of the folder (creations, renames, removals) are on the disk.
bool syncFolderToDisk(const QString& folder);

// Renames `from` to `to` in one step, replacing a file `to` (Qt's rename refuses to replace).
bool renameReplacing(const QString& from, const QString& to);

}  // namespace k4
