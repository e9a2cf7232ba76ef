#include "import/past_results.h"

#include <QStringDecoder>
#include <QVarLengthArray>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

#include "data/code_page.h"
#include "data/data_files.h"
#include "data/digits.h"
#include "data/lines.h"
#include "register/result_input.h"

namespace k4 {
namespace {

constexpr qint64 kFirstRound = 1;
// The counter file must hold the last round as a signed 32-bit number.
constexpr qint64 kLastRound = std::numeric_limits<std::int32_t>::max();
// Progress is reported once every this many lines.
constexpr int kLinesPerProgress = 4096;

const QByteArray kUtf8ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

// A file that is valid UTF-8 is read as UTF-8; anything else as code page 932. Text in code page
// 932 beyond ASCII is hardly ever valid UTF-8, and plain ASCII reads the same either way.
QString decodeText(QByteArrayView bytes) {
    if (bytes.startsWith(kUtf8ByteOrderMark))
        return QString::fromUtf8(bytes.sliced(kUtf8ByteOrderMark.size()));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    return utf8.hasError() ? decodeCodePage(bytes) : text;
}

// An ASCII or a full-width digit.
bool isDigit(QChar c) {
    return isDecimalDigit(halfWidthDigit(c));
}

bool isSeparator(QChar c) {
    return c == u' ' || c == u'\t' || c == u',' || c == u'\u3000';
}

// The fields of a line: separated by runs of spaces (ordinary or ideographic), tabs and commas,
// each without the double quotes a spreadsheet may put around it. A third field is kept only to
// tell that there are too many.
using Fields = QVarLengthArray<QStringView, 3>;
Fields fieldsOf(QStringView line) {
    Fields fields;
    qsizetype at = 0;
    while (fields.size() < 3) {
        while (at < line.size() && isSeparator(line[at])) ++at;
        if (at == line.size()) break;
        qsizetype end = at;
        while (end < line.size() && !isSeparator(line[end])) ++end;
        QStringView field = line.sliced(at, end - at);
        if (field.size() >= 2 && field.startsWith(u'"') && field.endsWith(u'"'))
            field = field.sliced(1, field.size() - 2);
        fields.append(field);
        at = end;
    }
    return fields;
}

std::optional<qint64> roundOf(QStringView field) {
    if (field.isEmpty() || !std::all_of(field.begin(), field.end(), isDigit)) return std::nullopt;
    qint64 round = 0;
    for (const QChar c : field) {
        round = round * 10 + digitValue(halfWidthDigit(c));
        if (round > kLastRound) return std::nullopt;
    }
    return round >= kFirstRound ? std::optional(round) : std::nullopt;
}

// Reads the lines of a file one by one; a line's reading depends on the lines before it.
class LineReader {
public:
    using Reading = decltype(LineReading::reading);

    Reading read(int lineNumber, QStringView line) {
        const Fields fields = fieldsOf(line);
        if (fields.isEmpty()) return BlankLine{};
        const bool header = firstLine_ && std::none_of(line.begin(), line.end(), isDigit);
        firstLine_ = false;
        if (header) return HeaderLine{line.trimmed().toString()};

        const auto bad = [&](LineProblem problem, QStringView field, qint64 expected = 0) {
            return BadLine{lineNumber, problem, field.toString(), expected};
        };
        if (fields.size() > 2) return bad(LineProblem::TooManyFields, line.trimmed());
        const bool hasRound = fields.size() == 2;
        if (!numbered_) numbered_ = hasRound;
        if (hasRound != *numbered_)
            return bad(hasRound ? LineProblem::RoundUnexpected : LineProblem::RoundMissing,
                       line.trimmed());

        PastResult past{lineNumber, std::nullopt, {}};
        if (hasRound) {
            past.round = roundOf(fields.first());
            if (!past.round) return bad(LineProblem::BadRound, fields.first());
            // One report per gap: the line after a gap is compared with the round it follows.
            const std::optional<qint64> before = std::exchange(previousRound_, past.round);
            if (before && *past.round != *before + 1)
                return bad(LineProblem::RoundGap, fields.first(), *before + 1);
        }
        const std::optional<QString> result = storedResult(fields.last().toString());
        if (!result) return bad(LineProblem::NotFourDigits, fields.last());
        // The counter ends at the last round, which the main window must be able to show.
        const qint64 round = past.round.value_or(results_ + 1);
        if (round > kLargestCounter)
            return bad(LineProblem::RoundTooLate, QString::number(round), kLargestCounter);
        ++results_;
        past.result = *result;
        return past;
    }

private:
    bool firstLine_ = true;
    std::optional<bool> numbered_;  // decided by the first result
    std::optional<qint64> previousRound_;
    qint64 results_ = 0;  // the good results read so far
};

}  // namespace

std::optional<PastResults> readPastResults(QByteArrayView bytes,
                                           const std::function<void(const PastResult&)>& take,
                                           const WorkProgress& progress) {
    const QString text = decodeText(bytes);
    const qsizetype totalLines = progress ? LineSplitter<QStringView>::countLines(text) : 0;
    LineSplitter<QStringView> lines(text);
    LineReader reader;
    PastResults read;
    int lineNumber = 0;
    while (const std::optional<QStringView> line = lines.next()) {
        ++lineNumber;
        if (lineNumber % kLinesPerProgress == 0 && !goesOn(progress, lineNumber, totalLines))
            return std::nullopt;
        const LineReader::Reading reading = reader.read(lineNumber, *line);
        if (const auto* header = std::get_if<HeaderLine>(&reading)) {
            read.header = header->text;
        } else if (const auto* bad = std::get_if<BadLine>(&reading)) {
            if (read.badLines.size() < kBadLinesKept) read.badLines.append(*bad);
            ++read.badLineCount;
        } else if (const auto* past = std::get_if<PastResult>(&reading)) {
            ++read.resultCount;
            if (read.badLineCount == 0) take(*past);
        }
    }
    if (!goesOn(progress, lineNumber, totalLines)) return std::nullopt;
    return read;
}

QList<LineReading> previewPastResults(QByteArrayView bytes, int count) {
    const QString text = decodeText(bytes);
    LineSplitter<QStringView> lines(text);
    LineReader reader;
    QList<LineReading> preview;
    while (preview.size() < count) {
        const std::optional<QStringView> line = lines.next();
        if (!line) break;
        const int lineNumber = int(preview.size()) + 1;
        preview.append({lineNumber, line->toString(), reader.read(lineNumber, *line)});
    }
    return preview;
}

}  // namespace k4
