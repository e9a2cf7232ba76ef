#include "cli/past_results_input.h"

#include <QDir>
#include <QFileInfo>

#include "cli/progress.h"
#include "cli/tool_messages.h"
#include "import/import_messages.h"
#include "platform/common_texts.h"
#include "platform/failure.h"
#include "platform/file_system.h"

namespace k4 {
namespace {

// Says why the file cannot be read for an import or a backtest, each reason after the file's
// name and the line it is about; false when there is nothing to refuse. A single reason about
// the whole file shares its line with the sentence that nothing was written.
bool refuseFile(const QString& file, const PastResults& read, Console& console) {
    const QList<ReadingProblem> problems = pastResultsProblems(read, console.language);
    if (problems.isEmpty()) return false;
    const bool oneLine = problems.size() == 1 && problems.first().line == 0;
    for (const ReadingProblem& problem : problems) {
        console.err << QDir::toNativeSeparators(file);
        if (problem.line > 0) console.err << ':' << problem.line;
        console.err << ": " << problem.text;
        if (!oneLine) console.err << '\n';
    }
    console.err << (oneLine ? sentenceGap(console) : QString())
                << nothingWrittenText(console.language) << '\n';
    return true;
}

}  // namespace

std::optional<PastResults> readPastResultsInput(const QString& file, Console& console,
                                                FolderOpener& folders) {
    QByteArray bytes;
    try {
        bytes = readFileAt(folders, file);
    } catch (const Failure& failure) {
        console.err << failureText(failure, QFileInfo(file).absolutePath(), console.language)
                    << '\n';
        return std::nullopt;
    }
    TerminalProgress progress(console, inLanguage(console.language, QStringLiteral("読み取り中"),
                                                  QStringLiteral("reading")));
    // Nothing cancels the command's reading, so there always is a result.
    const PastResults read = *readPastResults(bytes, [&](qint64 done, qint64 total) {
        progress.update(done, total);
        return true;
    });
    if (refuseFile(file, read, console)) return std::nullopt;
    return read;
}

QString sentenceGap(const Console& console) {
    return inLanguage(console.language, QString(), QStringLiteral(" "));
}

}  // namespace k4
