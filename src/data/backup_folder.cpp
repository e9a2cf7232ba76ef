#include "data/backup_folder.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "data/data_file_table.h"
#include "data/data_files.h"
#include "data/dated_name.h"
#include "data/file_names.h"
#include "data/safety_copy.h"
#include "platform/file_system.h"
#include "platform/numbers.h"

namespace k4 {
namespace {

qsizetype resultLines(const QStringList& history) {
    return std::count_if(history.begin(), history.end(),
                         [](const QString& line) { return !line.isEmpty(); });
}

}  // namespace

QString offeredBackupFolder(FolderOpener& folders, const QString& parent, QDate date) {
    const std::unique_ptr<FileSystem> beside = folders.open(parent);
    const auto name = [&](int copy) {
        return datedName(QStringLiteral("kirikata4-バックアップ-"), date, copy);
    };
    int copy = 1;
    while (beside->exists(name(copy))) ++copy;
    return QDir(parent).filePath(name(copy));
}

QList<FileBytes> readDataFiles(const FileSystem& folder) {
    QList<FileBytes> files;
    for (const DataFileKind& kind : dataFileTable())
        if (kind.required || folder.exists(kind.name))
            files.append({kind.name, folder.read(kind.name)});
    return files;
}

qsizetype resultsIn(const DataFilesState& state) {
    return state[DataFile::History] ? resultLines(DataFiles::historyIn(state).lines()) : 0;
}

DataFilesSummary summarizeDataFiles(const DataFilesState& state) {
    // The next round as the main window shows it, a 16-bit number.
    return {resultLines(DataFiles::historyIn(state).lines()),
            toInt16(DataFiles::counterIn(state) + 1, kCounterFile)};
}

QString backupFolderProblem(FolderOpener& folders, const QString& path) {
    const QFileInfo target(path);
    const std::unique_ptr<FileSystem> parent = folders.open(target.absolutePath());
    if (!parent->exists(target.fileName())) return {};
    const QString shown = QDir::toNativeSeparators(target.absoluteFilePath());
    // A folder's names list its files, never the folders in it.
    if (parent->fileNames().contains(target.fileName()))
        return QStringLiteral("%1 はフォルダーではありません。").arg(shown);
    const std::unique_ptr<FileSystem> folder = folders.open(target.absoluteFilePath());
    for (const QString& name : dataFileNames())
        if (folder->exists(name))
            return QStringLiteral(
                       "%1 にはすでに %2 があります。バックアップは別のバックアップに"
                       "上書きしません。")
                .arg(shown, name);
    return {};
}

void writeBackupFolder(FolderOpener& folders, const QString& path,
                       const QList<FileBytes>& dataFiles) {
    const QFileInfo target(path);
    const std::unique_ptr<FileSystem> parent = folders.open(target.absolutePath());
    std::unique_ptr<FileSystem> backup = parent->createFolder(target.fileName());
    const bool created = backup != nullptr;
    if (!created) backup = folders.open(target.absoluteFilePath());
    commitFiles(*backup, dataFiles);
    if (created) parent->syncFolder();  // the new folder's own entry
}

BackupFolder readBackupFolder(const FileSystem& folder) {
    BackupFolder backup;
    DataFilesState state;
    for (const DataFileKind& kind : dataFileTable()) {
        if (!folder.exists(kind.name)) {
            if (!kind.required) continue;
            backup.problem = QStringLiteral("このフォルダーには %1 がありません。").arg(kind.name);
            backup.files.clear();
            return backup;
        }
        const QByteArray bytes = folder.read(kind.name);
        backup.files.append({kind.name, bytes});
        state[kind.file] = bytes;
        if (backup.problem.isEmpty()) backup.problem = kind.problemIn(bytes);
    }
    if (backup.problem.isEmpty()) backup.summary = summarizeDataFiles(state);
    return backup;
}

QString restoreBackupFolder(FileSystem& dataFolder, const BackupFolder& backup,
                            const DataFilesState& today, QDate date) {
    const QString kept = makeSafetyCopy(dataFolder, date);
    DataFiles(dataFolder).commit(backup.files, today);
    return kept;
}

}  // namespace k4
