#include "data/backup_folder.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

#include "data/data_files.h"
#include "data/dated_name.h"
#include "data/file_names.h"
#include "data/initial_candidates.h"
#include "data/safety_copy.h"
#include "platform/failure.h"
#include "platform/file_system.h"
#include "platform/numbers.h"
#include "platform/shown_text.h"

namespace k4 {
namespace {

// A history line holds four characters: the digits of a result, or what an older version let
// the user type instead.
constexpr qsizetype kHistoryLineLength = 4;

qsizetype resultLines(const QStringList& history) {
    return std::count_if(history.begin(), history.end(),
                         [](const QString& line) { return !line.isEmpty(); });
}

// Why the candidate table is not one of this program's: every registration moves one of the
// 570 combinations to its end, written as drawn, so a table of the program holds each of them
// exactly once, in some order of its digits.
QString candidateProblem(const QByteArray& bytes) {
    QStringList combinations = DataFiles::linesIn(bytes);
    for (QString& line : combinations) std::sort(line.begin(), line.end());
    std::sort(combinations.begin(), combinations.end());
    if (combinations == initialCandidateLines()) return {};
    return QStringLiteral(
               "%1 は候補表ではありません (570 通りの組み合わせが一つずつ並んでいる"
               "はずです)。")
        .arg(kCandidateFile);
}

// The round of a counter file, read as the program reads it, when the file is as the program
// writes it: one round from 0 to the largest whose next round the main window shows, in plain
// decimal.
std::optional<qint64> counterOf(const QByteArray& bytes) {
    DataFilesState state;
    state.counter = bytes;
    double counter = 0;
    try {
        counter = DataFiles::counterIn(state);
    } catch (const Failure&) {
        return std::nullopt;
    }
    const bool written = DataFiles::linesIn(bytes, 1) == DataFiles::counterLines(counter);
    const bool round = counter == std::trunc(counter) && counter >= 0 && counter <= kLargestCounter;
    return written && round ? std::optional(qint64(counter)) : std::nullopt;
}

QString historyProblem(const QStringList& history) {
    for (qsizetype i = 0; i < history.size(); ++i)
        if (!history[i].isEmpty() && history[i].size() != kHistoryLineLength)
            return QStringLiteral("%1 の %2 行目「%3」は結果ではありません。")
                .arg(kHistoryFile)
                .arg(i + 1)
                .arg(shownText(history[i]));
    return {};
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
    for (const QString& name : kDataFileNames) files.append({name, folder.read(name)});
    return files;
}

qsizetype resultsIn(const DataFilesState& state) {
    return state.history ? resultLines(DataFiles::historyIn(state).lines()) : 0;
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
    for (const QString& name : kDataFileNames)
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
    for (const QString& name : kDataFileNames) {
        if (!folder.exists(name)) {
            backup.problem = QStringLiteral("このフォルダーには %1 がありません。").arg(name);
            return backup;
        }
    }
    backup.files = readDataFiles(folder);
    const QStringList history = DataFiles::linesIn(backup.files[0].bytes);
    const std::optional<qint64> counter = counterOf(backup.files[2].bytes);
    backup.problem = candidateProblem(backup.files[1].bytes);
    if (backup.problem.isEmpty() && !counter)
        backup.problem = QStringLiteral("%1 の 1 行目が回数 (0〜%2) ではありません。")
                             .arg(kCounterFile)
                             .arg(kLargestCounter);
    if (backup.problem.isEmpty()) backup.problem = historyProblem(history);
    if (backup.problem.isEmpty()) backup.summary = {resultLines(history), *counter + 1};
    return backup;
}

QString restoreBackupFolder(FileSystem& dataFolder, const BackupFolder& backup,
                            const DataFilesState& today, QDate date) {
    const QString kept = makeSafetyCopy(dataFolder, date);
    DataFiles(dataFolder).commit(backup.files, today);
    return kept;
}

}  // namespace k4
