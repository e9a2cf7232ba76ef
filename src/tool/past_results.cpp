#include "tool/past_results.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

#include "data/code_page.h"
#include "data/data_files.h"
#include "data/digits.h"
#include "register/result_input.h"

namespace k4 {
namespace {

constexpr qint64 kFirstRound = 1;
// The counter file must hold the last round as a signed 32-bit number.
constexpr qint64 kLastRound = std::numeric_limits<std::int32_t>::max();

const QByteArray kUtf8ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

// A file that is valid UTF-8 is read as UTF-8; anything else as code page 932. Text in code page
// 932 beyond ASCII is hardly ever valid UTF-8, and plain ASCII reads the same either way.
QString decodeText(const QByteArray& bytes) {
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

bool holdsDigit(const QString& text) {
    return std::any_of(text.begin(), text.end(), isDigit);
}

// The fields of a line: separated by runs of spaces (ordinary or ideographic), tabs and commas,
// each without the double quotes a spreadsheet may put around it.
QStringList fieldsOf(const QString& line) {
    static const QRegularExpression separators(QStringLiteral("[ \\t,\\x{3000}]+"));
    QStringList fields = line.split(separators, Qt::SkipEmptyParts);
    for (QString& field : fields)
        if (field.size() >= 2 && field.startsWith(u'"') && field.endsWith(u'"'))
            field = field.sliced(1, field.size() - 2);
    return fields;
}

std::optional<qint64> roundOf(const QString& field) {
    if (field.isEmpty() || !std::all_of(field.begin(), field.end(), isDigit)) return std::nullopt;
    qint64 round = 0;
    for (const QChar c : field) {
        round = round * 10 + digitValue(halfWidthDigit(c));
        if (round > kLastRound) return std::nullopt;
    }
    return round >= kFirstRound ? std::optional(round) : std::nullopt;
}

}  // namespace

PastResults readPastResults(const QByteArray& bytes) {
    static const QRegularExpression lineEnds(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = decodeText(bytes).split(lineEnds);

    PastResults read;
    bool firstLine = true;
    std::optional<bool> numbered;  // decided by the first result
    std::optional<qint64> previousRound;
    for (int index = 0; index < lines.size(); ++index) {
        const int lineNumber = index + 1;
        const QStringList fields = fieldsOf(lines.at(index));
        if (fields.isEmpty()) continue;
        const bool header = firstLine && !holdsDigit(lines.at(index));
        firstLine = false;
        if (header) {
            read.header = lines.at(index).trimmed();
            continue;
        }

        const auto bad = [&](LineProblem problem, const QString& field, qint64 expected = 0) {
            read.badLines.append({lineNumber, problem, field, expected});
        };
        if (fields.size() > 2) {
            bad(LineProblem::TooManyFields, lines.at(index).trimmed());
            continue;
        }
        const bool hasRound = fields.size() == 2;
        if (!numbered) numbered = hasRound;
        if (hasRound != *numbered) {
            bad(hasRound ? LineProblem::RoundUnexpected : LineProblem::RoundMissing,
                lines.at(index).trimmed());
            continue;
        }

        PastResult past{lineNumber, std::nullopt, {}};
        if (hasRound) {
            past.round = roundOf(fields.first());
            if (!past.round) {
                bad(LineProblem::BadRound, fields.first());
                continue;
            }
            // One report per gap: the line after a gap is compared with the round it follows.
            const std::optional<qint64> before = std::exchange(previousRound, past.round);
            if (before && *past.round != *before + 1) {
                bad(LineProblem::RoundGap, fields.first(), *before + 1);
                continue;
            }
        }
        const std::optional<QString> result = storedResult(fields.last());
        if (!result) {
            bad(LineProblem::NotFourDigits, fields.last());
            continue;
        }
        // The counter ends at the last round, which the main window must be able to show.
        const qint64 round = past.round.value_or(read.results.size() + 1);
        if (round > kLargestCounter) {
            bad(LineProblem::RoundTooLate, QString::number(round), kLargestCounter);
            continue;
        }
        past.result = *result;
        read.results.append(past);
    }
    return read;
}

}  // namespace k4
