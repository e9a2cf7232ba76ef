#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

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
    QString field;             // the offending text
    qint64 expectedRound = 0;  // for RoundGap; the last round allowed for RoundTooLate
};

struct PastResults {
    QList<PastResult> results;  // oldest first, as in the file
    QList<BadLine> badLines;
    std::optional<QString> header;  // the first line, when it was taken for a header
};

// Reads a file of past results, oldest first, one a line: four digits, or a round number and
// four digits separated by spaces, tabs or a comma (CSV, fields may be quoted). A first line
// without any digit is a header and skipped; blank lines are skipped. Digits and spaces may be
// full width, as in the registration window. The file may be UTF-8 (with or without a byte
// order mark) or code page 932, with CR LF, LF or CR line ends.
PastResults readPastResults(const QByteArray& bytes);

}  // namespace k4
