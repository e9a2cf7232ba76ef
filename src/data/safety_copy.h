#pragma once

#include <QDate>
#include <QString>

namespace k4 {

class FileSystem;

// Copies the data files of the folder that exist byte for byte into a new folder beside them
// named after `date`: "backup-2026-12-07", or with "-2", "-3" … when that name is taken. The copies
// are on the disk when it returns, so that a commit may replace the files next. Returns the new
// folder's name. Throws the Failure of a file that cannot be read or written; the data files
// themselves are never changed.
QString makeSafetyCopy(FileSystem& files, QDate date);

}  // namespace k4
