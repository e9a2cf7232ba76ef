#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include "data/data_files_state.h"
#include "data/folder_commit.h"

namespace k4 {

class FileSystem;
class FolderOpener;

// What the data files of a folder hold, as the backup and the restore tell the user.
struct DataFilesSummary {
    qsizetype results = 0;  // the lines of the history file that hold a result
    qint64 nextRound = 0;   // the counter plus one
};

// The path offered for a backup made on `date` in the folder `parent`, opened through `folders`:
// "kirikata4-バックアップ-2026-12-08", or with "-2", "-3" … when that name is taken.
QString offeredBackupFolder(FolderOpener& folders, const QString& parent, QDate date);

// The three data files of the folder, byte for byte. Throws the Failure of a file that is
// missing or cannot be read.
QList<FileBytes> readDataFiles(const FileSystem& folder);

// How many results the history file of data files read before holds; none when there is no
// history file.
qsizetype resultsIn(const DataFilesState& state);

// The summary of data files read before. Throws the Failure of a file that is missing, and
// Overflow for a counter whose next round the main window cannot show.
DataFilesSummary summarizeDataFiles(const DataFilesState& state);

// Why a backup cannot go into `path`: something other than a folder is there, or a folder that
// holds data files already (a backup never replaces another one). Empty when it can.
QString backupFolderProblem(FolderOpener& folders, const QString& path);

// Writes the data files into the folder at `path`, opened through `folders`, creating it when
// it is missing, whole or not at all and on the disk when it returns. Throws the Failure of the
// step that fails.
void writeBackupFolder(FolderOpener& folders, const QString& path,
                       const QList<FileBytes>& dataFiles);

// The data files of a backup folder, checked as a restore needs them.
struct BackupFolder {
    QList<FileBytes> files;
    DataFilesSummary summary;
    // Why these are not the data files of this program (one is missing, the candidate table is
    // not the 570 combinations, the counter not a round number, a history line not a result);
    // empty when they are.
    QString problem;
};

// Reads and checks the data files of a backup folder. Throws the Failure of a file that is
// there but cannot be read.
BackupFolder readBackupFolder(const FileSystem& folder);

// Replaces the data files of `dataFolder` by the backup's, after a safety copy of them made on
// `date`, whole or not at all; the commit refuses when the files are no longer those of
// `today`. Returns the safety copy's folder name.
QString restoreBackupFolder(FileSystem& dataFolder, const BackupFolder& backup,
                            const DataFilesState& today, QDate date);

}  // namespace k4
