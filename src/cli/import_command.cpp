#include "cli/import_command.h"

#include <QDir>
#include <QFileInfo>

#include "cli/progress.h"
#include "cli/tool_messages.h"
#include "data/data_files.h"
#include "data/file_names.h"
#include "import/import_messages.h"
#include "import/past_import.h"
#include "platform/failure.h"
#include "platform/file_system.h"
#include "platform/shown_text.h"

namespace k4 {
namespace {

std::optional<QByteArray> readInput(const QString& file, Console& console) {
    const QFileInfo input(file);
    try {
        return DiskFileSystem(input.absolutePath()).read(input.fileName());
    } catch (const Failure& failure) {
        console.err << failureText(failure, input.absolutePath(), console.language) << '\n';
        return std::nullopt;
    }
}

PastImport readAndReplay(const QByteArray& bytes, Console& console) {
    TerminalProgress progress(
        console.err, console.errIsTerminal,
        console.text(QStringLiteral("取り込み中"), QStringLiteral("importing")));
    // Nothing cancels the command's progress, so there always is an import.
    return *importPastResults(bytes, [&](qint64 done, qint64 total) {
        progress.update(done, total);
        return true;
    });
}

// Lists the bad lines of the file, or says that it holds no result; false when there is
// nothing to refuse.
bool refuseFile(const QString& file, const PastImport& imported, Console& console) {
    const PastResults& past = imported.read;
    const QString fileName = QDir::toNativeSeparators(file);
    if (!past.badLines.isEmpty()) {
        for (const BadLine& bad : past.badLines)
            console.err << fileName << ':' << bad.line << ": " << badLineText(bad, console.language)
                        << '\n';
        if (past.badLineCount > past.badLines.size())
            console.err << moreBadLinesText(past.badLineCount - past.badLines.size(),
                                            console.language)
                        << '\n';
        console.err << nothingWrittenText(console.language) << '\n';
        return true;
    }
    if (!imported.folder) {
        console.err << console
                           .text(QStringLiteral("%1 に結果がありません。"),
                                 QStringLiteral("%1 holds no results. "))
                           .arg(fileName)
                    << nothingWrittenText(console.language) << '\n';
        return true;
    }
    return false;
}

// The data files the folder held when it was read.
QStringList presentDataFiles(const DataFilesState& found) {
    QStringList present;
    if (found.history) present.append(kHistoryFile);
    if (found.candidates) present.append(kCandidateFile);
    if (found.counter) present.append(kCounterFile);
    return present;
}

// Refuses a folder that holds data files unless told to replace them, and makes a missing one;
// false when the import may write.
bool refuseFolder(const ImportRequest& request, const DataFilesState& found, Console& console) {
    const QString folderName = QDir::toNativeSeparators(QDir(request.folder).absolutePath());
    const QStringList present = presentDataFiles(found);
    if (!present.isEmpty() && !request.force) {
        console.err << console
                           .text(QStringLiteral("%1 にはすでに %2 があります。"),
                                 QStringLiteral("%1 already holds %2. "))
                           .arg(folderName, present.join(QStringLiteral(", ")))
                    << nothingWrittenText(console.language)
                    << console.text(QStringLiteral("置き換えるには --force を付けてください。"),
                                    QStringLiteral(" Use --force to replace them."))
                    << '\n';
        return true;
    }
    if (!QDir().mkpath(QDir(request.folder).absolutePath())) {
        console.err << console
                           .text(QStringLiteral("フォルダ %1 を作れません"),
                                 QStringLiteral("cannot create the folder %1"))
                           .arg(folderName)
                    << '\n';
        return true;
    }
    return false;
}

void reportWritten(const PastImport& imported, const QString& folderName, Console& console) {
    console.out << console
                       .text(QStringLiteral("%1 件の結果 (%2) を %3 に登録しました。"),
                             QStringLiteral("Registered %1 results (%2) in %3."))
                       .arg(imported.read.resultCount)
                       .arg(importedRoundsText(imported, console.language), folderName)
                << '\n';
    if (const QString kept = historyKeepsNewestText(imported, console.language); !kept.isEmpty())
        console.out << kept << '\n';
    console.out << console
                       .text(QStringLiteral("次回は第 %1 回です。"),
                             QStringLiteral("The next round is %1."))
                       .arg(nextRoundAfter(imported))
                << '\n';
}

}  // namespace

int runImport(const ImportRequest& request, Console& console, FolderOpener& folders) {
    const std::optional<QByteArray> bytes = readInput(request.file, console);
    if (!bytes) return kExitFailure;
    const PastImport imported = readAndReplay(*bytes, console);
    if (refuseFile(request.file, imported, console)) return kExitFailure;
    if (const std::optional<QString>& header = imported.read.header)
        console.out << console
                           .text(QStringLiteral("1 行目「%1」は見出しとして読み飛ばしました。"),
                                 QStringLiteral("Line 1 \"%1\" was taken for a header."))
                           .arg(shownText(*header))
                    << '\n';

    const QString folder = QDir(request.folder).absolutePath();
    const QString folderName = QDir::toNativeSeparators(folder);
    const std::unique_ptr<FileSystem> files = folders.open(folder);
    DataFilesState found;
    try {
        found = DataFiles(*files).readState();
    } catch (const Failure& failure) {
        console.err << failureText(failure, folderName, console.language) << '\n';
        return kExitFailure;
    }
    if (refuseFolder(request, found, console)) return kExitFailure;
    try {
        writeImport(*files, *imported.folder, found);
    } catch (const Failure& failure) {
        console.err << failureText(failure, folderName, console.language) << '\n';
        return kExitFailure;
    }
    reportWritten(imported, folderName, console);
    return kExitSuccess;
}

}  // namespace k4
