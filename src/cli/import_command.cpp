#include "cli/import_command.h"

#include <QDir>

#include "cli/past_results_input.h"
#include "cli/progress.h"
#include "cli/tool_messages.h"
#include "data/data_files.h"
#include "import/import_messages.h"
#include "import/import_workflow.h"
#include "platform/clock.h"
#include "platform/common_texts.h"
#include "platform/failure.h"
#include "platform/file_system.h"

namespace k4 {
namespace {

// Registers the results of the agreed import with a progress line and writes them into the
// folder at `path`, made where it is missing. Returns the exit status.
int carryOut(const ImportWorkflow& workflow, const QString& path, FileSystem& files,
             FolderOpener& folders, Console& console) {
    try {
        makeFolderAt(folders, path);
    } catch (const Failure&) {
        console.err << inLanguage(console.language, QStringLiteral("フォルダー %1 を作れません"),
                                  QStringLiteral("cannot create the folder %1"))
                           .arg(QDir::toNativeSeparators(path))
                    << '\n';
        return kExitFailure;
    }
    std::optional<RegistrationReplay> folder;
    {
        TerminalProgress progress(
            console,
            workflow.step().kind == ImportStepKind::AskToAdd ||
                    workflow.step().kind == ImportStepKind::AskToAddPrizes
                ? inLanguage(console.language, QStringLiteral("追加中"), QStringLiteral("adding"))
                : inLanguage(console.language, QStringLiteral("取り込み中"),
                             QStringLiteral("importing")));
        // Nothing cancels the command's work.
        folder = workflow.replay([&progress](qint64 done, qint64 total) {
            progress.update(done, total);
            return true;
        });
    }
    for (const QString& text : workflow.commit(files, *folder, SystemClock().today()).texts)
        console.out << text << '\n';
    return kExitSuccess;
}

// Answers the workflow's step as a command does: it adds rounds or prizes without asking, and
// replaces the folder's files only with --force, which replaces them whatever they hold (unless
// the prizes disagree with the kept ones). Returns the exit status.
int answer(const ImportWorkflow& workflow, const ImportRequest& request, const QString& path,
           FileSystem& files, FolderOpener& folders, Console& console) {
    const ImportStep& step = workflow.step();
    switch (step.kind) {
        case ImportStepKind::Fill:
        case ImportStepKind::AskToAdd:
        case ImportStepKind::AskToAddPrizes:
            return carryOut(workflow, path, files, folders, console);
        case ImportStepKind::NothingNewer:
            console.out << step.text << sentenceGap(console) << nothingWrittenText(console.language)
                        << '\n';
            return kExitSuccess;
        case ImportStepKind::AskToReplace:
        case ImportStepKind::Refused:
            break;
    }
    if (request.force && step.replaceable) return carryOut(workflow, path, files, folders, console);
    console.err << step.refusal << sentenceGap(console) << nothingWrittenText(console.language);
    if (step.replaceable)
        console.err << inLanguage(console.language,
                                  QStringLiteral("置き換えるには --force を付けてください。"),
                                  QStringLiteral(" Use --force to replace them."));
    console.err << '\n';
    return kExitFailure;
}

}  // namespace

int runImport(const ImportRequest& request, Console& console, FolderOpener& folders) {
    const std::optional<PastResults> read = readPastResultsInput(request.file, console, folders);
    if (!read) return kExitFailure;
    for (const QString& line : readingLines(*read, console.language)) console.out << line << '\n';

    const QString path = QDir(request.folder).absolutePath();
    const QString folderName = QDir::toNativeSeparators(path);
    const std::unique_ptr<FileSystem> files = folders.open(path);
    try {
        const ImportWorkflow workflow(*read, DataFiles(*files).readState(), folderName,
                                      console.language,
                                      request.force ? ImportMode::Replace : ImportMode::AddOrAsk);
        return answer(workflow, request, path, *files, folders, console);
    } catch (const Failure& failure) {
        console.err << failureText(failure, folderName, console.language) << '\n';
        return kExitFailure;
    }
}

}  // namespace k4
