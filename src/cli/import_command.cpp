#include "cli/import_command.h"

#include <QDir>
#include <QFileInfo>

#include "cli/progress.h"
#include "cli/tool_messages.h"
#include "data/data_files.h"
#include "data/file_names.h"
#include "import/bad_line_text.h"
#include "import/past_import.h"
#include "platform/failure.h"
#include "platform/file_system.h"
#include "platform/shown_text.h"
#include "register/registration.h"

namespace k4 {
namespace {

bool reportBadLines(const ImportRequest& request, const PastResults& past, Console& console) {
    if (past.badLines.isEmpty()) return false;
    const QString file = QDir::toNativeSeparators(request.file);
    for (const BadLine& bad : past.badLines)
        console.err << file << ':' << bad.line << ": " << badLineText(bad, console.language)
                    << '\n';
    if (past.badLineCount > past.badLines.size())
        console.err << console
                           .text(QStringLiteral("… ほかに %1 行の誤りがあります"),
                                 QStringLiteral("… and %1 more bad lines"))
                           .arg(past.badLineCount - past.badLines.size())
                    << '\n';
    console.err << console.text(QStringLiteral("何も書き込んでいません。"),
                                QStringLiteral("Nothing was written."))
                << '\n';
    return true;
}

// The data files already in the folder.
QStringList presentDataFiles(const FileSystem& folder) {
    QStringList present;
    for (const QString& name : {kHistoryFile, kCandidateFile, kCounterFile})
        if (folder.exists(name)) present.append(name);
    return present;
}

}  // namespace

int runImport(const ImportRequest& request, Console& console, FolderOpener& folders) {
    const QFileInfo input(request.file);
    QByteArray bytes;
    try {
        bytes = DiskFileSystem(input.absolutePath()).read(input.fileName());
    } catch (const Failure& failure) {
        console.err << failureText(failure, input.absolutePath(), console.language) << '\n';
        return kExitFailure;
    }
    std::optional<PastImport> imported;
    {
        TerminalProgress progress(
            console.err, console.errIsTerminal,
            console.text(QStringLiteral("取り込み中"), QStringLiteral("importing")));
        imported = importPastResults(bytes, [&](qint64 done, qint64 total) {
            progress.update(done, total);
            return true;
        });
    }
    const PastResults& past = imported->read;
    if (reportBadLines(request, past, console)) return kExitFailure;
    if (!imported->folder) {
        console.err << console
                           .text(QStringLiteral("%1 に結果がありません。何も書き込んでいません。"),
                                 QStringLiteral("%1 holds no results. Nothing was written."))
                           .arg(QDir::toNativeSeparators(request.file))
                    << '\n';
        return kExitFailure;
    }
    if (past.header)
        console.out << console
                           .text(QStringLiteral("1 行目「%1」は見出しとして読み飛ばしました。"),
                                 QStringLiteral("Line 1 \"%1\" was taken for a header."))
                           .arg(shownText(*past.header))
                    << '\n';

    const QDir folder(request.folder);
    const QString folderName = QDir::toNativeSeparators(folder.absolutePath());
    const std::unique_ptr<FileSystem> files = folders.open(folder.absolutePath());
    DataFilesState found;
    try {
        found = DataFiles(*files).readState();
    } catch (const Failure& failure) {
        console.err << failureText(failure, folderName, console.language) << '\n';
        return kExitFailure;
    }
    const QStringList present = presentDataFiles(*files);
    if (!present.isEmpty() && !request.force) {
        console.err
            << console
                   .text(QStringLiteral("%1 にはすでに %2 があります。何も書き込んでいません。"
                                        "置き換えるには --force を付けてください。"),
                         QStringLiteral("%1 already holds %2. Nothing was written; use --force "
                                        "to replace them."))
                   .arg(folderName, present.join(QStringLiteral(", ")))
            << '\n';
        return kExitFailure;
    }
    if (!QDir().mkpath(folder.absolutePath())) {
        console.err << console
                           .text(QStringLiteral("フォルダ %1 を作れません"),
                                 QStringLiteral("cannot create the folder %1"))
                           .arg(folderName)
                    << '\n';
        return kExitFailure;
    }

    const RegistrationReplay& replay = *imported->folder;
    try {
        writeImport(*files, replay, found);

        console.out << console
                           .text(QStringLiteral(
                                     "%1 件の結果 (第 %2 回〜第 %3 回) を %4 に登録しました。"),
                                 QStringLiteral("Registered %1 results (rounds %2 to %3) in %4."))
                           .arg(past.resultCount)
                           .arg(qint64(replay.counter()) - past.resultCount + 1)
                           .arg(replay.counter())
                           .arg(folderName)
                    << '\n';
        if (past.resultCount > kHistoryLimit)
            console.out << console
                               .text(QStringLiteral("kri4.dat には新しい %1 件が残ります。"),
                                     QStringLiteral("kri4.dat keeps the newest %1."))
                               .arg(kHistoryLimit)
                        << '\n';
        console.out << console
                           .text(QStringLiteral("次回は第 %1 回です。"),
                                 QStringLiteral("The next round is %1."))
                           .arg(qint64(replay.counter()) + 1)
                    << '\n';
    } catch (const Failure& failure) {
        console.err << failureText(failure, folderName, console.language) << '\n';
        return kExitFailure;
    }
    return kExitSuccess;
}

}  // namespace k4
