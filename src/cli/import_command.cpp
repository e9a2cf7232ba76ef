#include "cli/import_command.h"

#include <QDir>

#include "cli/past_results_input.h"
#include "cli/progress.h"
#include "cli/tool_messages.h"
#include "data/data_files.h"
#include "data/file_names.h"
#include "data/safety_copy.h"
#include "import/import_messages.h"
#include "import/past_import.h"
#include "platform/clock.h"
#include "platform/failure.h"
#include "platform/file_system.h"

namespace k4 {
namespace {

// Where the command is to write, and what the folder held when it was read.
struct Target {
    QString path;
    QString folderName;  // as the user reads it
    FolderOpener& folders;
    std::unique_ptr<FileSystem> files;
    DataFilesState found;
};

// A work step's progress line; nothing cancels the command's work.
WorkProgress progressOf(TerminalProgress& line) {
    return [&line](qint64 done, qint64 total) {
        line.update(done, total);
        return true;
    };
}

void reportNextRound(const RegistrationReplay& folder, Console& console) {
    console.out << inLanguage(console.language, QStringLiteral("次回は第 %1 回です。"),
                              QStringLiteral("The next round is %1."))
                       .arg(qint64(folder.counter()) + 1)
                << '\n';
}

void reportFilled(const RegistrationReplay& folder, qsizetype registered, const QString& backup,
                  const Target& target, Console& console) {
    const qint64 last = folder.counter();
    console.out << inLanguage(console.language,
                              QStringLiteral("%1 件の結果 (%2) を %3 に登録しました。"),
                              QStringLiteral("Registered %1 results (%2) in %3."))
                       .arg(registered)
                       .arg(roundsText(last - registered + 1, last, console.language),
                            target.folderName)
                << '\n';
    if (const QString kept = historyKeepsNewestText(registered, console.language); !kept.isEmpty())
        console.out << kept << '\n';
    if (!backup.isEmpty())
        console.out << inLanguage(console.language,
                                  QStringLiteral("古いファイルは %1 に残しました。"),
                                  QStringLiteral("The old files are kept in %1."))
                           .arg(backup)
                    << '\n';
    reportNextRound(folder, console);
}

// Replaces the folder's data files, if it holds any, by the import of the whole file, after a
// dated copy of them; makes a missing folder. False when the folder cannot be made.
bool fill(const PastResults& read, Target& target, Console& console) {
    try {
        makeFolderAt(target.folders, target.path);
    } catch (const Failure&) {
        console.err << inLanguage(console.language, QStringLiteral("フォルダー %1 を作れません"),
                                  QStringLiteral("cannot create the folder %1"))
                           .arg(target.folderName)
                    << '\n';
        return false;
    }
    std::optional<RegistrationReplay> folder;
    {
        TerminalProgress progress(console,
                                  inLanguage(console.language, QStringLiteral("取り込み中"),
                                             QStringLiteral("importing")));
        folder = replayAll(read, progressOf(progress));
    }
    const QString backup = target.found.presentNames().isEmpty()
                               ? QString()
                               : makeSafetyCopy(*target.files, SystemClock().today());
    writeImport(*target.files, *folder, target.found);
    reportFilled(*folder, read.results.size(), backup, target, console);
    return true;
}

void add(const AddRounds& added, Target& target, Console& console) {
    std::optional<RegistrationReplay> folder;
    {
        TerminalProgress progress(console, inLanguage(console.language, QStringLiteral("追加中"),
                                                      QStringLiteral("adding")));
        folder = replayAdded(added, target.found, progressOf(progress));
    }
    writeImport(*target.files, *folder, target.found);
    console.out << inLanguage(console.language,
                              QStringLiteral("%1 件の結果 (%2) を %3 に追加しました。"),
                              QStringLiteral("Added %1 results (%2) to %3."))
                       .arg(added.results.size())
                       .arg(roundsText(added.firstRound, folder->counter(), console.language),
                            target.folderName)
                << '\n';
    reportNextRound(*folder, console);
}

// Imports into a folder that holds data files: adds the newer rounds, or replaces the files with
// --force or where they hold no result. Returns the exit status.
int importInto(const ImportRequest& request, const PastResults& read, Target& target,
               Console& console) {
    const QStringList present = target.found.presentNames();
    if (request.force || present.isEmpty())
        return fill(read, target, console) ? kExitSuccess : kExitFailure;
    const QString useForce =
        inLanguage(console.language, QStringLiteral("置き換えるには --force を付けてください。"),
                   QStringLiteral(" Use --force to replace them."));
    if (!target.found.hasRequired()) {
        console.err << inLanguage(console.language, QStringLiteral("%1 にはすでに %2 があります。"),
                                  QStringLiteral("%1 already holds %2."))
                           .arg(target.folderName, present.join(QStringLiteral(", ")))
                    << sentenceGap(console) << nothingWrittenText(console.language) << useForce
                    << '\n';
        return kExitFailure;
    }
    const ImportPlan plan = planImport(read, target.found);
    if (std::holds_alternative<FillFolder>(plan))
        return fill(read, target, console) ? kExitSuccess : kExitFailure;
    if (const auto* added = std::get_if<AddRounds>(&plan)) {
        add(*added, target, console);
        return kExitSuccess;
    }
    const QString why = planRefusalText(plan, console.language);
    if (std::holds_alternative<NothingNewer>(plan)) {
        console.out << why << sentenceGap(console) << nothingWrittenText(console.language) << '\n';
        return kExitSuccess;
    }
    console.err << why << sentenceGap(console) << nothingWrittenText(console.language);
    if (std::holds_alternative<RoundsNeeded>(plan)) console.err << useForce;
    console.err << '\n';
    return kExitFailure;
}

}  // namespace

int runImport(const ImportRequest& request, Console& console, FolderOpener& folders) {
    const std::optional<PastResults> read = readPastResultsInput(request.file, console, folders);
    if (!read) return kExitFailure;
    console.out << readingSummaryText(*read, console.language) << '\n';
    if (const std::optional<Heading>& heading = read->shape.heading)
        console.out << headingSkippedText(*heading, console.language) << '\n';

    const QString folder = QDir(request.folder).absolutePath();
    Target target{folder, QDir::toNativeSeparators(folder), folders, folders.open(folder), {}};
    try {
        target.found = DataFiles(*target.files).readState();
        return importInto(request, *read, target, console);
    } catch (const Failure& failure) {
        console.err << failureText(failure, target.folderName, console.language) << '\n';
        return kExitFailure;
    }
}

}  // namespace k4
