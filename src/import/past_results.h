#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>
#include <vector>

#include "data/prize_file.h"
#include "data/result_history.h"
#include "import/file_shape.h"
#include "platform/work_progress.h"

namespace k4 {

// One result of a file of past results.
struct PastResult {
    int line = 0;                 // where it stands in the file, from 1
    std::optional<qint64> round;  // when the file numbers its results
    QString result;               // as the registration window stores it: four ASCII digits
    // The row the prize file keeps for it: its round, its result and what the file's prize
    // columns hold; none where the file does not number its results.
    std::optional<RoundPrizes> prizes;
};

// Why a line of a file of past results cannot be imported.
enum class LineProblem {
    NotFourDigits,    // the result is not four digits
    TooManyItems,     // more than a round number and a result, where the lines before hold two
    BadRound,         // the round number is not a whole number from 1 to 2147483647
    RoundMissing,     // earlier lines number their results and this one does not
    RoundUnexpected,  // earlier lines do not number their results and this one does
    RoundGap,         // the round does not follow the previous line's, up or down by one
    RoundTooLate,     // the round is past the last one the main window can show
    NoResult,         // the line has no cell in the result column
    BadPrize,         // a prize cell holds no amount of yen
};

struct BadLine {
    int line = 0;
    LineProblem problem = LineProblem::NotFourDigits;
    QString field;             // the offending text, whole
    qint64 expectedRound = 0;  // for RoundGap; the last round allowed for RoundTooLate
    int column = 0;            // for NoResult and BadPrize: the column, from 1
};

// Past this many bad lines a file is plainly of another kind: the rest are only counted.
inline constexpr qsizetype kBadLinesKept = 10;

// A file of past results as read.
struct PastResults {
    FileShape shape;
    // The results oldest first, as they are registered, whichever order the file has; empty when
    // a line is bad or no column holds the results.
    QStringList results;
    std::optional<qint64> firstRound;  // the round of the first result, when the file numbers them
    // A row for each result of a file that numbers them, with the amounts of the prize columns
    // (shape.layout's prizeColumns) where it has them: what the prize file keeps of the import.
    // Empty for a file that does not number its results, since nothing keys them to a round.
    PrizeTable prizes;
    QList<BadLine> badLines;  // the first kBadLinesKept, in file order
    qsizetype badLineCount = 0;
    // The lines after the table's last row that are not rows of it (holding no digit, or no
    // result and not cut into cells by the tabs or commas of its rows): a footer below a table
    // copied from a results page.
    std::optional<LineSpan> after;
    // False for bytes that are no text at all (a picture, a workbook): nothing else is read.
    bool isText = true;

    // Whether every result can be registered: text, no bad line, and a column that holds them.
    bool readable() const {
        return isText && badLineCount == 0 && std::holds_alternative<FileLayout>(shape.layout);
    }
    // The round of the last result, when the file numbers them.
    std::optional<qint64> lastRound() const {
        return firstRound ? std::optional(*firstRound + results.size() - 1) : std::nullopt;
    }
};

// Reads a file of past results, one a line, in either order: CSV or tab-separated text with any
// number of columns, or lines of four digits, or of a round number and four digits separated by
// spaces. A header's names pick the round and the result column; without one, what the columns
// hold (see shapeOf()). A round may be written 123 or 第123回; digits and spaces may be full
// width. Blank lines, the header wherever it is repeated, and the lines around the table (a title
// and notes above its header or first row, a footer below its last row) are
// skipped; a bad line among the rows refuses the file. The file may be UTF-8
// or code page 932, with CR LF, LF or CR line ends. `progress` counts lines; empty when it
// stopped the reading.
std::optional<PastResults> readPastResults(QByteArrayView bytes, const WorkProgress& progress = {});

// The results read as rounds to backtest, oldest first: numbered from the file's first round, or
// from 1 where the file numbers none.
std::vector<HistoryRound> resultRounds(const PastResults& read);

// How one line of a file of past results reads.
struct BlankLine {};
struct HeaderLine {};
struct UnreadLine {};   // no column was found to hold the results
struct OutsideLine {};  // above or below the table
struct LineReading {
    int line = 0;
    QString text;  // the line as decoded, without its line end
    std::variant<BlankLine, HeaderLine, UnreadLine, OutsideLine, PastResult, BadLine> reading;
};

// The first `count` lines of a file of past results and how they read, by the rules of
// readPastResults(), which read them as `read`; none for bytes that are no text.
QList<LineReading> previewPastResults(QByteArrayView bytes, const PastResults& read, int count);

}  // namespace k4
