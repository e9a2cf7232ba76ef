#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <variant>

#include "platform/work_progress.h"

namespace k4 {

// One result of a file of past results.
struct PastResult {
    int line = 0;                 // where it stands in the file, from 1
    std::optional<qint64> round;  // when the file numbers its results
    QString result;               // as the registration window stores it: four ASCII digits
};

// Why a line of a file of past results cannot be imported.
enum class LineProblem {
    NotFourDigits,    // the result is not four digits
    TooManyFields,    // more than a round number and a result
    BadRound,         // the round number is not a whole number from 1 to 2147483647
    RoundMissing,     // earlier lines number their results and this one does not
    RoundUnexpected,  // earlier lines do not number their results and this one does
    RoundGap,         // the round is not the one after the previous line's
    RoundTooLate,     // the round is past the last one the main window can show
};

struct BadLine {
    int line = 0;
    LineProblem problem = LineProblem::NotFourDigits;
    QString field;             // the offending text, whole
    qint64 expectedRound = 0;  // for RoundGap; the last round allowed for RoundTooLate
};

// Past this many bad lines a file is plainly of another kind: the rest are only counted.
inline constexpr qsizetype kBadLinesKept = 10;

// What reading a file of past results found besides the results themselves.
struct PastResults {
    qsizetype resultCount = 0;
    QList<BadLine> badLines;  // the first kBadLinesKept, in file order
    qsizetype badLineCount = 0;
    std::optional<QString> header;  // the first line, when it was taken for a header
};

// Reads a file of past results, oldest first, one a line: four digits, or a round number and
// four digits separated by spaces, tabs or a comma (CSV, fields may be quoted). A first line
// without any digit is a header and skipped; blank lines are skipped. Digits and spaces may be
// full width, as in the registration window. The file may be UTF-8 (with or without a byte
// order mark) or code page 932, with CR LF, LF or CR line ends. Each good result before the
// first bad line goes to `take` as soon as its line is read (after a bad line the results are of
// no use; the rest is read for its bad lines). `progress` counts lines; empty when it stopped
// the reading.
std::optional<PastResults> readPastResults(QByteArrayView bytes,
                                           const std::function<void(const PastResult&)>& take,
                                           const WorkProgress& progress = {});

// How one line of a file of past results reads.
struct BlankLine {};
struct HeaderLine {
    QString text;
};
struct LineReading {
    int line = 0;
    QString text;  // the line as decoded, without its line end
    std::variant<BlankLine, HeaderLine, PastResult, BadLine> reading;
};

// How the first `count` lines of a file of past results read, by the rules of
// readPastResults().
QList<LineReading> previewPastResults(QByteArrayView bytes, int count);

}  // namespace k4
