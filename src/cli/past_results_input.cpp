#include "cli/past_results_input.h"

#include <QDir>
#include <QFileInfo>

#include "cli/progress.h"
#include "cli/tool_messages.h"
#include "import/import_messages.h"
#include "platform/failure.h"
#include "platform/file_system.h"

namespace k4 {
namespace {

// Lists the bad lines of the file, or says that no column holds results or that it holds none;
// false when there is nothing to refuse.
bool refuseFile(const QString& file, const PastResults& read, Console& console) {
    const QString fileName = QDir::toNativeSeparators(file);
    if (const auto* unclear = std::get_if<UnclearColumns>(&read.shape.layout)) {
        console.err << fileName << ": "
                    << unclearColumnsText(*unclear, read.shape.heading, console.language)
                    << sentenceGap(console) << nothingWrittenText(console.language) << '\n';
        return true;
    }
    if (!read.badLines.isEmpty()) {
        for (const BadLine& bad : read.badLines)
            console.err << fileName << ':' << bad.line << ": " << badLineText(bad, console.language)
                        << '\n';
        if (read.badLineCount > read.badLines.size())
            console.err << moreBadLinesText(read.badLineCount - read.badLines.size(),
                                            console.language)
                        << '\n';
        console.err << nothingWrittenText(console.language) << '\n';
        return true;
    }
    if (read.results.isEmpty()) {
        console.err << inLanguage(console.language, QStringLiteral("%1 に結果がありません。"),
                                  QStringLiteral("%1 holds no results."))
                           .arg(fileName)
                    << sentenceGap(console) << nothingWrittenText(console.language) << '\n';
        return true;
    }
    return false;
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
