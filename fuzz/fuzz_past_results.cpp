// The reader of past results, which users import from files of any origin, on arbitrary bytes.

#include <QStringList>
#include <algorithm>
#include <cstdint>

#include "fuzz_support.h"
#include "import/past_results.h"

using namespace k4;
using fuzz::check;

namespace {

bool isStoredResult(const QString& result) {
    if (result.size() != 4) return false;
    for (const QChar c : result)
        if (c < u'0' || c > u'9') return false;
    return true;
}

bool sameBadLine(const BadLine& a, const BadLine& b) {
    return a.line == b.line && a.problem == b.problem && a.field == b.field &&
           a.expectedRound == b.expectedRound && a.column == b.column;
}

// The results written back as a plain file, oldest first, numbered or not, which must read as
// they are.
QByteArray canonicalFile(const PastResults& read) {
    QByteArray file;
    for (qsizetype i = 0; i < read.results.size(); ++i)
        file += (read.firstRound ? QByteArray::number(*read.firstRound + i) + ',' : QByteArray()) +
                read.results.at(i).toLatin1() + '\n';
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    qint64 lastDone = -1, lastTotal = -1;
    const std::optional<PastResults> read = readPastResults(bytes, [&](qint64 done, qint64 total) {
        check(done <= total, "progress never passes the whole");
        lastDone = done;
        lastTotal = total;
        return true;
    });
    check(read.has_value(), "a reading that is never stopped ends with a result");
    check(lastDone == lastTotal, "the last progress reports every line read");

    // What is read: four ASCII digits a result, rounds from 1 to the last one the main window
    // shows, nothing at all from a file with a bad line or no column of results.
    check(read->readable() || read->results.isEmpty(), "an unreadable file hands over nothing");
    for (const QString& result : read->results)
        check(isStoredResult(result), "a result is four ASCII digits");
    const qint64 last = read->lastRound().value_or(read->results.size());
    check(read->firstRound.value_or(1) >= 1 && last <= 32766,
          "a round is one the main window can show");
    check(read->badLines.size() == qMin(read->badLineCount, kBadLinesKept),
          "the first bad lines are kept and the rest counted");
    for (qsizetype i = 1; i < read->badLines.size(); ++i)
        check(read->badLines.at(i).line > read->badLines.at(i - 1).line,
              "bad lines come in line order");

    // The preview reads the first lines as the import does: its results in file order are the
    // first (or, newest first, the last) results read, its bad lines the first bad lines.
    const auto* layout = std::get_if<FileLayout>(&read->shape.layout);
    const bool newestFirst = layout && layout->order == ResultOrder::NewestFirst;
    QStringList fileOrder = read->results;
    if (newestFirst) std::reverse(fileOrder.begin(), fileOrder.end());
    qsizetype nextResult = 0, nextBad = 0;
    for (const LineReading& line : previewPastResults(bytes, *read, 12)) {
        if (const auto* past = std::get_if<PastResult>(&line.reading)) {
            if (nextBad == 0 && read->readable()) {
                check(nextResult < fileOrder.size() && fileOrder.at(nextResult) == past->result,
                      "the preview shows the results the import takes");
                ++nextResult;
            }
        } else if (const auto* bad = std::get_if<BadLine>(&line.reading)) {
            check(nextBad < read->badLineCount, "the preview refuses only lines the import does");
            if (nextBad < kBadLinesKept)
                check(sameBadLine(read->badLines.at(nextBad), *bad),
                      "the preview shows the bad lines the import refuses");
            ++nextBad;
        } else if (std::holds_alternative<UnreadLine>(line.reading)) {
            check(!layout, "a line is left unread only where no column holds the results");
        }
    }

    // What was read, written back plainly, reads back as itself.
    if (!read->results.isEmpty()) {
        const std::optional<PastResults> again = readPastResults(canonicalFile(*read));
        check(again->readable() && again->results == read->results &&
                  again->firstRound == read->firstRound,
              "the results written back read back unchanged");
    }
    return 0;
}
