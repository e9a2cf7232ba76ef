// The reader of past results, which users import from files of any origin, on arbitrary bytes.

#include <QStringList>
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
           a.expectedRound == b.expectedRound;
}

// The results written back as a plain file, numbered or not, which must read as they are.
QByteArray canonicalFile(const QList<PastResult>& results) {
    QByteArray file;
    for (const PastResult& past : results)
        file += (past.round ? QByteArray::number(*past.round) + ',' : QByteArray()) +
                past.result.toLatin1() + '\n';
    return file;
}

QList<PastResult> readResults(QByteArrayView bytes, std::optional<PastResults>& read,
                              const WorkProgress& progress = {}) {
    QList<PastResult> taken;
    read = readPastResults(
        bytes, [&](const PastResult& past) { taken.append(past); }, progress);
    return taken;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    qint64 lastDone = -1, lastTotal = -1;
    std::optional<PastResults> read;
    const QList<PastResult> taken = readResults(bytes, read, [&](qint64 done, qint64 total) {
        check(done <= total, "progress never passes the whole");
        lastDone = done;
        lastTotal = total;
        return true;
    });
    check(read.has_value(), "a reading that is never stopped ends with a result");
    check(lastDone == lastTotal, "the last progress reports every line read");

    // What is taken: four ASCII digits a result, in line order, numbered all or none, each round
    // the one after the last and none past the last one the main window shows.
    check(read->badLineCount > 0 || taken.size() == read->resultCount,
          "a file without bad lines hands over every result");
    check(taken.size() <= read->resultCount, "no more results handed over than read");
    for (qsizetype i = 0; i < taken.size(); ++i) {
        const PastResult& past = taken.at(i);
        check(isStoredResult(past.result), "a result is four ASCII digits");
        check(past.line >= 1, "lines count from 1");
        const qint64 round = past.round.value_or(i + 1);
        check(round >= 1 && round <= 32766, "a round is one the main window can show");
        if (i == 0) continue;
        const PastResult& before = taken.at(i - 1);
        check(past.line > before.line, "results come in line order");
        check(past.round.has_value() == before.round.has_value(), "numbered all or none");
        if (past.round) check(*past.round == *before.round + 1, "rounds go up by one");
    }
    check(read->badLines.size() == qMin(read->badLineCount, kBadLinesKept),
          "the first bad lines are kept and the rest counted");
    for (qsizetype i = 1; i < read->badLines.size(); ++i)
        check(read->badLines.at(i).line > read->badLines.at(i - 1).line,
              "bad lines come in line order");

    // The preview reads the first lines as the import does.
    const QList<LineReading> preview = previewPastResults(bytes, 12);
    qsizetype nextTaken = 0, nextBad = 0;
    for (const LineReading& line : preview) {
        if (const auto* past = std::get_if<PastResult>(&line.reading)) {
            if (nextBad == 0) {
                check(nextTaken < taken.size() && taken.at(nextTaken).line == line.line &&
                          taken.at(nextTaken).result == past->result &&
                          taken.at(nextTaken).round == past->round,
                      "the preview shows the results the import takes");
                ++nextTaken;
            }
        } else if (const auto* bad = std::get_if<BadLine>(&line.reading)) {
            check(nextBad < read->badLineCount, "the preview refuses only lines the import does");
            if (nextBad < kBadLinesKept)
                check(sameBadLine(read->badLines.at(nextBad), *bad),
                      "the preview shows the bad lines the import refuses");
            ++nextBad;
        } else if (const auto* header = std::get_if<HeaderLine>(&line.reading)) {
            check(read->header == header->text, "the preview's header is the import's");
        }
    }

    // What was taken, written back plainly, reads back as itself.
    if (!taken.isEmpty()) {
        std::optional<PastResults> reread;
        const QList<PastResult> again = readResults(canonicalFile(taken), reread);
        check(reread->badLineCount == 0 && again.size() == taken.size(),
              "the results written back read back without a bad line");
        for (qsizetype i = 0; i < taken.size(); ++i)
            check(
                again.at(i).result == taken.at(i).result && again.at(i).round == taken.at(i).round,
                "the results written back read back unchanged");
    }
    return 0;
}
