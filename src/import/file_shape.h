#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <variant>

#include "data/prize_file.h"

namespace k4 {

// The order of the results in a file of past results.
enum class ResultOrder {
    OldestFirst,
    NewestFirst,  // rounds (or dates) going down, as results pages list them
    Unknown,      // neither rounds nor dates tell: read as oldest first
};

// The header of a file of past results: of the lines above its first row that hold no round,
// date or number at all, the last that names a column or, where none does, the last when it has
// as many cells as the first row. The lines above the header are not part of the table.
struct Heading {
    int line = 0;       // from 1
    QString text;       // the line, trimmed
    QStringList cells;  // its column names
};

// A column a header names for one of the prizes: ストレート, ボックス当せん金,
// セット（ストレート）, set_box_payout …
struct PrizeColumnAt {
    int column = 0;                                        // from 0
    std::optional<qint64> RoundPrizes::*amount = nullptr;  // where a row keeps it

    bool operator==(const PrizeColumnAt&) const = default;
};

// Where the lines of a file of past results keep the round and the result.
struct FileLayout {
    // Every line holds one or two items, the last the result and a first one its round, and no
    // header names them. Otherwise the lines are rows of a table whose columns are picked by the
    // header's names or by what they hold.
    bool items = true;
    std::optional<int> roundColumn;  // of a table, from 0; none when the file has no rounds
    int resultColumn = 0;            // of a table, from 0
    // The header names the result column, so that a shorter number there is a result whose
    // leading zeros a spreadsheet dropped (97 for 0097) and is read padded.
    bool padsResult = false;
    ResultOrder order = ResultOrder::Unknown;
    // The prize columns of a table whose header names them, in column order; none otherwise.
    QList<PrizeColumnAt> prizeColumns;
};

// Why no column of a table could be taken for the results.
struct UnclearColumns {
    bool several = false;  // several columns could hold them; otherwise none can
    QList<int> columns;    // the columns looked at, from 0
};

// Lines `first` to `last` of a file, from 1.
struct LineSpan {
    int first = 0;
    int last = 0;
};

struct FileShape {
    std::optional<Heading> heading;
    std::variant<FileLayout, UnclearColumns> layout;
    // The lines before the table's header (or its first row) that are not part of the table: the
    // title and notes above a table copied from a results page. Blank lines among them too.
    std::optional<LineSpan> before;
    // What separates the cells of the first row, by the rules of cellsOf(): a tab, a comma or a
    // space.
    QChar separator = u' ';
};

// The columns are picked by the first this many rows of a file.
inline constexpr int kRowsForColumns = 1000;

// The shape of a file of past results, told by its first lines.
FileShape shapeOf(QStringView text);

}  // namespace k4
