#include "ui/backup_commands.h"

#include <QDir>
#include <QFileInfo>

#include "data/backup_folder.h"
#include "data/data_files.h"
#include "data/file_names.h"
#include "platform/clock.h"
#include "platform/common_texts.h"
#include "platform/dialogs.h"
#include "platform/failure.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "ui/command_boundary.h"
#include "ui/services.h"

namespace k4 {
namespace {

const QString kBackupTitle = QStringLiteral("バックアップを作成");
const QString kRestoreTitle = QStringLiteral("バックアップから戻す");
const QString kNothingWritten = nothingWrittenText(Language::Japanese);

QString folderSummaryText(const DataFilesSummary& summary) {
    return QStringLiteral("%1 件の結果、次回は第 %2 回")
        .arg(summary.results)
        .arg(summary.nextRound);
}

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// Today's files as the question describes them; a file that is missing or cannot be read is
// said so, since a restore is what mends it.
QString todaysFilesText(const DataFilesState& today) {
    try {
        return folderSummaryText(summarizeDataFiles(today));
    } catch (const Failure& failure) {
        return QStringLiteral("読めません (%1)").arg(failure.message());
    }
}

// The names of `files` in a sentence: "kri4.dat、kri4key.dat、kaisuu4.txt".
QString fileNamesText(const QList<FileBytes>& files) {
    QStringList names;
    for (const FileBytes& file : files) names.append(file.name);
    return names.join(u'、');
}

}  // namespace

void createBackup(Services& services) {
    const std::optional<QString> path = services.fileDialogs.newFolder(
        QStringLiteral("バックアップを作るフォルダー"),
        offeredBackupFolder(services.folders, documentsFolder(), services.clock.today()));
    if (!path) return;
    // Reading the data folder fails as every command does; the chosen folder is only the
    // user's to correct.
    runCommand(services, [&] {
        const QList<FileBytes> dataFiles = readDataFiles(services.dataFolder);
        QString problem = backupFolderProblem(services.folders, *path);
        if (problem.isEmpty()) {
            try {
                writeBackupFolder(services.folders, *path, dataFiles);
            } catch (const Failure& failure) {
                problem = failure.message();
            }
        }
        if (!problem.isEmpty()) {
            services.dialogs.notify(problem + u'\n' + kNothingWritten, kBackupTitle,
                                    Notice::Warning);
            return;
        }
        services.dialogs.notify(QStringLiteral("%1 に %2 を書き込みました。")
                                    .arg(shownPath(*path), fileNamesText(dataFiles)),
                                kBackupTitle, Notice::Information);
    });
}

void restoreBackup(Services& services, const std::function<void()>& restored) {
    const std::optional<QString> path = services.fileDialogs.existingFolder(
        QStringLiteral("戻すバックアップのフォルダー"), documentsFolder());
    if (!path) return;
    BackupFolder backup;
    try {
        if (services.folders.isSameFolder(*path, services.dataFolder.folderName()))
            backup.problem = QStringLiteral("選んだフォルダーはデータのフォルダーそのものです。");
        else
            backup = readBackupFolder(*services.folders.open(*path));
    } catch (const Failure& failure) {
        backup.problem = failure.message();
    }
    if (!backup.problem.isEmpty()) {
        services.dialogs.notify(QStringLiteral("%1 からは戻せません。\n%2\n%3")
                                    .arg(shownPath(*path), backup.problem, kNothingWritten),
                                kRestoreTitle, Notice::Warning);
        return;
    }

    runCommand(services, [&] {
        // The question is asked on today's files as they are now; a change while it is open
        // stops the restore with nothing replaced.
        const DataFilesState today = DataFiles(services.dataFolder).readState();
        // A restore replaces the files the backup holds; a data file it lacks stays as it is.
        QStringList unchanged = today.presentNames();
        for (const FileBytes& file : backup.files) unchanged.removeOne(file.name);
        QString question = QStringLiteral(
                               "今のデータを %1 のバックアップで置き換えます。\n"
                               "バックアップ: %2\n"
                               "今のデータ: %3\n"
                               "今の %4 は、日付の付いたフォルダーにそのまま残します。\n")
                               .arg(shownPath(*path), folderSummaryText(backup.summary),
                                    todaysFilesText(today), fileNamesText(backup.files));
        if (!unchanged.isEmpty())
            question += QStringLiteral("バックアップにない %1 は今のまま使います。\n")
                            .arg(unchanged.join(u'、'));
        question += QStringLiteral("戻しますか。");
        if (services.dialogs.askYesNo(question, kRestoreTitle, QuestionIcon::Warning) == Answer::No)
            return;
        const QString kept =
            restoreBackupFolder(services.dataFolder, backup, today, services.clock.today());
        const QString nextRound = QString::number(backup.summary.nextRound);
        restored();
        services.dialogs.notify(
            QStringLiteral("バックアップから戻しました。次回は第 %1 回です。\n"
                           "今までのファイルは %2 に残しました。")
                .arg(nextRound, QDir::toNativeSeparators(
                                    QDir(services.dataFolder.folderName()).filePath(kept))),
            kRestoreTitle, Notice::Information);
    });
}

}  // namespace k4
