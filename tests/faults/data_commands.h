#pragma once

#include <QStringList>
#include <QTest>

#include "data/backup_folder.h"
#include "data/data_files.h"
#include "data/file_names.h"
#include "data/lines.h"
#include "data/prize_file.h"
#include "data/ticket_book.h"
#include "money/book_keeping.h"
#include "platform/failure.h"
#include "platform/file_system.h"
#include "register/deletion.h"
#include "register/registration.h"
#include "support/random_draws.h"
#include "support/test_data.h"
#include "support/test_folder.h"
#include "support/tool_run.h"

// The commands that change the data folder, run as the windows and the tool run them, for the
// tables that interrupt each of them at every step.
namespace k4::test {

enum class DataCommand {
    RegisterMatch,
    RegisterNoMatch,
    Delete,
    ImportIntoEmpty,
    ImportOverFull,
    ImportAddingRounds,
    ImportWithPrizes,
    Restore,
    Report,
    AddTicket,
    RemoveTicket,
    EnterPrize
};

// Every command, with the name of its row in a table.
struct DataCommandRow {
    const char* name;
    DataCommand command;
};
inline const QList<DataCommandRow> kDataCommands = {
    {"register, a match", DataCommand::RegisterMatch},
    {"register, no match", DataCommand::RegisterNoMatch},
    {"delete", DataCommand::Delete},
    {"import into an empty folder", DataCommand::ImportIntoEmpty},
    {"import over a full folder", DataCommand::ImportOverFull},
    {"import adding rounds to a full folder", DataCommand::ImportAddingRounds},
    {"import with prizes", DataCommand::ImportWithPrizes},
    {"restore a backup", DataCommand::Restore},
    {"report", DataCommand::Report},
    {"add a ticket", DataCommand::AddTicket},
    {"remove a ticket", DataCommand::RemoveTicket},
    {"enter a prize", DataCommand::EnterPrize},
};

// The file of past results the imports take: rounds 57 to 96, the 40 after the counter of the
// folder that prepareFolder() makes, so that an import without --force adds them all.
inline QByteArray pastResultsFile() {
    QByteArray file;
    const QStringList draws = randomDraws(40, 7);
    for (int i = 0; i < draws.size(); ++i)
        file += QByteArray::number(57 + i) + ',' + draws[i].toLatin1() + '\n';
    return file;
}

// The same rounds as a results site publishes them, with their prizes written as it writes them
// ("1,013,700円"; none for the box and set prizes of four equal digits).
inline QByteArray pastResultsWithPrizesFile() {
    QString file = QStringLiteral(
        "回号,当せん番号,ストレート,ボックス,セット（ストレート）,セット（ボックス）\r\n");
    const QStringList draws = randomDraws(40, 7);
    for (int i = 0; i < draws.size(); ++i) {
        const bool fourEqual = draws[i].count(draws[i].front()) == 4;
        file += QStringLiteral("第%1回,%2,\"1,0%3,700円\",%4\r\n")
                    .arg(57 + i)
                    .arg(draws[i])
                    .arg(10 + i)
                    .arg(fourEqual ? QStringLiteral(",,") : QStringLiteral("37500,518600,18700"));
    }
    return file.toUtf8();
}

// What the commands take from elsewhere, each read through the opener the command is handed: the
// files of past results the imports read and the backup folder the restore reads.
struct CommandInputs {
    QString pastResults;   // the file's path
    QString backupFolder;  // the folder's path
    QString pastResultsWithPrizes;
};

// Writes the inputs into the folders that hold them: pastResultsFile() as "past.txt", and the
// data files of a backup whose history is the folder's without its newest 5 results.
inline CommandInputs prepareInputs(FileSystem& pastResultsFolder, const QString& pastResultsPath,
                                   FileSystem& backupFolder, const QString& backupPath) {
    pastResultsFolder.writeDurably(QStringLiteral("past.txt"), pastResultsFile());
    pastResultsFolder.writeDurably(QStringLiteral("prizes.csv"), pastResultsWithPrizesFile());
    const QStringList history = DataFiles::linesIn(golden(kHistoryFile)).mid(5);
    backupFolder.writeDurably(kHistoryFile, (history.join("\r\n") + "\r\n").toLatin1());
    backupFolder.writeDurably(kCandidateFile, golden(kCandidateFile));
    backupFolder.writeDurably(kCounterFile, "51\r\n");
    backupFolder.syncFolder();
    return {pastResultsPath + QStringLiteral("/past.txt"), backupPath,
            pastResultsPath + QStringLiteral("/prizes.csv")};
}

// The day the tickets are bought on.
inline const FixedClock kTicketDay{QDate(2026, 12, 9)};

// The folder the command starts on, on the disk before it runs: empty for the import into an
// empty folder, else a history in which registering 0123 matches, a counter and a report; for
// removing a ticket, a book of two (adding one makes the book); for the import with prizes also
// a prize file that keeps the newest round's.
inline void prepareFolder(DataCommand command, FileSystem& folder) {
    if (command == DataCommand::ImportIntoEmpty) return;
    folder.writeDurably(kHistoryFile, golden(kHistoryFile));
    folder.writeDurably(kCandidateFile, golden(kCandidateFile));
    folder.writeDurably(kCounterFile, "56\r\n");
    folder.writeDurably(kReportFile, "an earlier report\r\n");
    if (command == DataCommand::RemoveTicket) {
        const TicketBook book = {{QDate(2026, 12, 1), 56, 1, "0123", TicketKind::Box, 1},
                                 {QDate(2026, 12, 2), 57, 3, "1122", TicketKind::Set, 2}};
        folder.writeDurably(kTicketFile, writeLines(ticketBookLines(book)));
    }
    if (command == DataCommand::ImportWithPrizes) {
        const QString newest = DataFiles::linesIn(golden(kHistoryFile)).first();
        folder.writeDurably(kPrizeFile,
                            writeLines(prizeFileLines({{56, {56, newest, 1013700, {}, {}, {}}}})));
    }
    folder.syncFolder();
}

// Runs the command on `folder`, the data folder at `path`; the import and the tickets go through
// the tool,
// which opens the folder with `folders`, the restore reads its backup through `folders` as the
// window does. Throws a Failure when the command fails.
inline void runDataCommand(DataCommand command, FileSystem& folder, FolderOpener& folders,
                           const QString& path, const CommandInputs& inputs) {
    DataFiles files(folder);
    // The registration window lists the history of the files as it read them, and commits
    // against that reading.
    switch (command) {
        case DataCommand::RegisterMatch: {
            const DataFilesState read = files.readState();
            registerResult(files, "0123", DataFiles::historyIn(read).lines(), read);
            return;
        }
        case DataCommand::RegisterNoMatch: {
            const DataFilesState read = files.readState();
            registerResult(files, "1122", DataFiles::historyIn(read).lines(), read);
            return;
        }
        case DataCommand::Delete: {
            const DataFilesState read = files.readState();
            deleteNewestResult(files, DataFiles::historyIn(read).lines(), read);
            return;
        }
        case DataCommand::ImportIntoEmpty:
        case DataCommand::ImportOverFull:
        case DataCommand::ImportAddingRounds:
        case DataCommand::ImportWithPrizes: {
            QStringList arguments = {"import",
                                     command == DataCommand::ImportWithPrizes
                                         ? inputs.pastResultsWithPrizes
                                         : inputs.pastResults,
                                     "--folder", path};
            if (command == DataCommand::ImportIntoEmpty || command == DataCommand::ImportOverFull)
                arguments << "--force";
            const ToolRun run = runToolWith(arguments, Language::English, &folders);
            if (run.status != kExitSuccess) throw Failure(FailureKind::CannotWrite, run.err);
            return;
        }
        case DataCommand::Restore: {
            const BackupFolder backup = readBackupFolder(*folders.open(inputs.backupFolder));
            if (!backup.problem.isEmpty()) qFatal("the backup is not one of the program's");
            restoreBackupFolder(folder, backup, files.readState(), QDate(2026, 12, 9));
            return;
        }
        case DataCommand::Report:
            files.writeTextFile(kReportFile, QStringList(45, QStringLiteral("a new report")));
            return;
        case DataCommand::AddTicket:
        case DataCommand::RemoveTicket: {
            const QStringList arguments =
                command == DataCommand::AddTicket
                    ? QStringList{"tickets", "add", "0419", "--kind", "box", "--units", "2"}
                    : QStringList{"tickets", "remove", "1"};
            const ToolRun run = runToolWith(arguments + QStringList{"--folder", path},
                                            Language::English, &folders, kTicketDay);
            if (run.status != kExitSuccess) throw Failure(FailureKind::CannotWrite, run.err);
            return;
        }
        case DataCommand::EnterPrize: {
            // The amounts of the newest round, typed on the page 購入と収支.
            const DataFilesState read = files.readState();
            const QString result = DataFiles::historyIn(read).lines().front();
            keepPrizes(files, {{56, {56, result, 1'013'700, 37'500, 525'600, 18'700}}}, read);
            return;
        }
    }
}

}  // namespace k4::test
