#include "import/file_shape.h"

#include <QDate>
#include <algorithm>
#include <array>

#include "data/lines.h"
#include "import/cell_values.h"
#include "import/text_cells.h"

namespace k4 {
namespace {

// The names a header gives the round and the result column, as namesake() writes them; of
// several columns named for the results the one with the earlier name here is taken.
const QStringList kRoundNames = {
    QStringLiteral("回号"),     QStringLiteral("回"),         QStringLiteral("回別"),
    QStringLiteral("回数"),     QStringLiteral("抽選回"),     QStringLiteral("抽せん回"),
    QStringLiteral("抽選回号"), QStringLiteral("抽せん回号"), QStringLiteral("開催回"),
    QStringLiteral("round"),    QStringLiteral("roundno"),    QStringLiteral("roundnumber"),
    QStringLiteral("draw"),     QStringLiteral("drawno"),     QStringLiteral("drawnumber"),
    QStringLiteral("drawid"),   QStringLiteral("no"),
};
const QStringList kResultNames = {
    QStringLiteral("当せん番号"),     QStringLiteral("当選番号"),   QStringLiteral("当せん数字"),
    QStringLiteral("当選数字"),       QStringLiteral("抽せん結果"), QStringLiteral("抽選結果"),
    QStringLiteral("結果"),           QStringLiteral("番号"),       QStringLiteral("winningnumber"),
    QStringLiteral("winningnumbers"), QStringLiteral("result"),     QStringLiteral("results"),
    QStringLiteral("number"),
};

// A column name compared without case, width, spaces and punctuation between words.
QString namesake(const QString& name) {
    QString key = name.normalized(QString::NormalizationForm_KC).toCaseFolded();
    key.removeIf(
        [](QChar c) { return c.isSpace() || c == u'_' || c == u'-' || c == u'.' || c == u'・'; });
    return key;
}

// The names of the prizes' columns, as namesake() writes them once the brackets and the words
// for an amount (kAmountWords) are taken off: "セット（ボックス）当せん金" is "セットボックス".
struct PrizeName {
    QStringList names;
    std::optional<qint64> RoundPrizes::*amount;
};
const std::array<PrizeName, 4> kPrizeNames = {{
    {{QStringLiteral("ストレート"), QStringLiteral("straight")}, &RoundPrizes::straight},
    {{QStringLiteral("ボックス"), QStringLiteral("box")}, &RoundPrizes::box},
    {{QStringLiteral("セットストレート"), QStringLiteral("setstraight")},
     &RoundPrizes::setStraight},
    {{QStringLiteral("セットボックス"), QStringLiteral("setbox")}, &RoundPrizes::setBox},
}};
// The words before or after a prize's name that say the column holds an amount of yen.
const QStringList kAmountWords = {
    QStringLiteral("当せん金額"), QStringLiteral("当選金額"), QStringLiteral("当せん金"),
    QStringLiteral("当選金"),     QStringLiteral("配当金"),   QStringLiteral("配当"),
    QStringLiteral("賞金"),       QStringLiteral("金額"),     QStringLiteral("円"),
    QStringLiteral("payout"),     QStringLiteral("prize"),    QStringLiteral("amount"),
    QStringLiteral("yen"),
};

// Where a row keeps the prize a header cell names; none for a cell that names no prize.
std::optional<qint64> RoundPrizes::*prizeNamed(const QString& cell) {
    QString key = namesake(cell);
    key.removeIf([](QChar c) { return QStringView(u"()[]「」【】").contains(c); });
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const QString& word : kAmountWords) {
            if (key.size() > word.size() && key.endsWith(word))
                key.chop(word.size());
            else if (key.size() > word.size() && key.startsWith(word))
                key.remove(0, word.size());
            else
                continue;
            trimmed = true;
        }
    }
    for (const PrizeName& prize : kPrizeNames)
        if (prize.names.contains(key)) return prize.amount;
    return nullptr;
}

// The columns the header names for the prizes, the first of each.
QList<PrizeColumnAt> prizeColumnsOf(const std::optional<Heading>& heading) {
    QList<PrizeColumnAt> columns;
    if (!heading) return columns;
    for (int column = 0; column < heading->cells.size(); ++column) {
        const auto amount = prizeNamed(heading->cells.at(column));
        const bool taken =
            std::any_of(columns.begin(), columns.end(),
                        [&](const PrizeColumnAt& at) { return at.amount == amount; });
        if (amount && !taken) columns.append({column, amount});
    }
    return columns;
}

std::optional<int> namedColumn(const std::optional<Heading>& heading, const QStringList& names) {
    if (!heading) return std::nullopt;
    QStringList keys;
    for (const QString& cell : heading->cells) keys.append(namesake(cell));
    for (const QString& name : names)
        if (const qsizetype column = keys.indexOf(name); column >= 0) return int(column);
    return std::nullopt;
}

bool namesAColumn(const QStringList& cells) {
    return std::any_of(cells.begin(), cells.end(), [](const QString& cell) {
        const QString key = namesake(cell);
        return kRoundNames.contains(key) || kResultNames.contains(key);
    });
}

bool holdsValue(const QString& cell) {
    return isWholeNumber(cell) || roundIn(cell) || dateIn(cell);
}

QStringList nonEmpty(QStringList cells) {
    cells.removeIf([](const QString& cell) { return cell.isEmpty(); });
    return cells;
}

// What the cells of one column of the rows hold.
struct ColumnTally {
    int cells = 0;  // non-empty ones
    int dates = 0;
    int rounds = 0;
    int marked = 0;  // rounds written 第…回
    int fourDigits = 0;
    int up = 0;  // the rows whose round is one more than the row before's
    int down = 0;
    int steps = 0;  // the rows whose round and the row before's are both rounds
    std::optional<qint64> lastRound;
    std::optional<QDate> firstDate;
    std::optional<QDate> lastDate;

    void count(const QString& cell) {
        if (cell.isEmpty()) {
            lastRound.reset();
            return;
        }
        ++cells;
        if (const std::optional<QDate> date = dateIn(cell)) {
            ++dates;
            if (!firstDate) firstDate = date;
            lastDate = date;
        }
        fourDigits += resultIn(cell).has_value();
        marked += isMarkedRound(cell);
        const std::optional<qint64> round =
            isWholeNumber(cell) || isMarkedRound(cell) ? roundIn(cell) : std::nullopt;
        rounds += round.has_value();
        if (round && lastRound) {
            ++steps;
            up += *round == *lastRound + 1;
            down += *round == *lastRound - 1;
        }
        lastRound = round;
    }
    bool mostly(int part) const { return 2 * part > cells; }
    bool isDates() const { return mostly(dates); }
    bool isRounds() const { return mostly(rounds); }
    // Most steps go up by one, or most go down.
    bool goesByOne() const { return steps > 0 && 2 * std::max(up, down) >= steps; }
    ResultOrder roundOrder() const {
        if (steps == 0) return ResultOrder::Unknown;
        return down > up ? ResultOrder::NewestFirst : ResultOrder::OldestFirst;
    }
    ResultOrder dateOrder() const {
        if (!firstDate || *firstDate == *lastDate) return ResultOrder::Unknown;
        return *firstDate > *lastDate ? ResultOrder::NewestFirst : ResultOrder::OldestFirst;
    }
};

QList<ColumnTally> tallies(const QList<QStringList>& rows) {
    qsizetype width = 0;
    for (const QStringList& row : rows) width = std::max(width, row.size());
    QList<ColumnTally> columns(width);
    for (const QStringList& row : rows)
        for (qsizetype column = 0; column < width; ++column)
            columns[column].count(row.value(column));
    return columns;
}

// Lines of one or two items with no header naming them read as they always have: the last item
// is the result and a first one its round.
std::optional<FileLayout> itemLayout(const std::optional<Heading>& heading,
                                     const QList<QStringList>& rows) {
    if (heading && namesAColumn(heading->cells)) return std::nullopt;
    QList<QStringList> items;
    for (const QStringList& row : rows) {
        QStringList present = nonEmpty(row);
        if (present.size() > 2 || std::any_of(present.begin(), present.end(), [](const QString& c) {
                return dateIn(c).has_value();
            }))
            return std::nullopt;
        if (present.size() == 2) items.append(present);
    }
    FileLayout layout;
    layout.items = true;
    const QList<ColumnTally> columns = tallies(items);
    if (!columns.isEmpty()) layout.order = columns.first().roundOrder();
    return layout;
}

// The round column by what it holds: rounds written 第…回, or else whole numbers going up or
// down by one. A single row cannot go by one: its first column is taken when it holds a round.
std::optional<int> roundColumnByContent(const QList<ColumnTally>& columns, qsizetype rows,
                                        std::optional<int> resultColumn,
                                        const QList<int>& prizeColumns) {
    const auto usable = [&](int column) {
        const ColumnTally& tally = columns[column];
        return column != resultColumn && !prizeColumns.contains(column) && !tally.isDates() &&
               tally.isRounds();
    };
    for (int column = 0; column < columns.size(); ++column)
        if (usable(column) && columns[column].mostly(columns[column].marked)) return column;
    for (int column = 0; column < columns.size(); ++column)
        if (usable(column) && columns[column].goesByOne()) return column;
    if (rows == 1 && !columns.isEmpty() && usable(0)) {
        const bool otherResult =
            std::any_of(columns.begin() + 1, columns.end(),
                        [](const ColumnTally& tally) { return tally.fourDigits > 0; });
        if (otherResult) return 0;
    }
    return std::nullopt;
}

std::variant<FileLayout, UnclearColumns> tableLayout(const std::optional<Heading>& heading,
                                                     const QList<QStringList>& rows) {
    const QList<ColumnTally> columns = tallies(rows);
    FileLayout layout;
    layout.items = false;
    const std::optional<int> namedResult = namedColumn(heading, kResultNames);
    layout.roundColumn = namedColumn(heading, kRoundNames);
    layout.prizeColumns = prizeColumnsOf(heading);
    QList<int> prizes;
    for (const PrizeColumnAt& prize : layout.prizeColumns) prizes.append(prize.column);
    if (!layout.roundColumn)
        layout.roundColumn = roundColumnByContent(columns, rows.size(), namedResult, prizes);

    if (namedResult) {
        layout.resultColumn = *namedResult;
        layout.padsResult = true;
    } else {
        QList<int> candidates;
        QList<int> lookedAt;
        for (int column = 0; column < columns.size(); ++column) {
            const ColumnTally& tally = columns[column];
            if (column == layout.roundColumn || prizes.contains(column) || tally.isDates() ||
                tally.cells == 0)
                continue;
            lookedAt.append(column);
            if (tally.mostly(tally.fourDigits)) candidates.append(column);
        }
        if (candidates.size() > 1) return UnclearColumns{true, candidates};
        // A lone column left is the results, however badly its lines then read.
        if (candidates.isEmpty() && lookedAt.size() != 1) return UnclearColumns{false, lookedAt};
        layout.resultColumn = candidates.isEmpty() ? lookedAt.first() : candidates.first();
    }

    if (layout.roundColumn) {
        layout.order = columns.value(*layout.roundColumn).roundOrder();
    } else {
        const auto dates = std::find_if(columns.begin(), columns.end(),
                                        [](const ColumnTally& tally) { return tally.isDates(); });
        if (dates != columns.end()) layout.order = dates->dateOrder();
    }
    return layout;
}

}  // namespace

FileShape shapeOf(QStringView text) {
    FileShape shape;
    LineSplitter<QStringView> lines(text);
    // The lines above the first row that hold no value: the header and what stands above it,
    // each with what separates its cells.
    QList<std::pair<Heading, QChar>> above;
    QList<QStringList> rows;
    std::optional<QChar> rowSeparator;  // of the first row
    int lineNumber = 0;
    while (rows.size() < kRowsForColumns) {
        const std::optional<QStringView> line = lines.next();
        if (!line) break;
        ++lineNumber;
        QStringList cells = cellsOf(*line);
        if (nonEmpty(cells).isEmpty()) continue;
        if (rows.isEmpty() &&
            (namesAColumn(cells) || std::none_of(cells.begin(), cells.end(), holdsValue))) {
            above.append(
                {Heading{lineNumber, line->trimmed().toString(), cells}, separatorOf(*line)});
            continue;
        }
        if (!rowSeparator) rowSeparator = separatorOf(*line);
        rows.append(std::move(cells));
    }
    // A header separates its cells as the rows do: a title above a table copied from a page is
    // no header, even where it names the results.
    const auto fits = [&](qsizetype at) {
        return !rowSeparator || above.at(at).second == *rowSeparator;
    };
    qsizetype header = above.size() - 1;
    while (header >= 0 && !(fits(header) && namesAColumn(above.at(header).first.cells))) --header;
    if (header < 0 && !above.isEmpty() && fits(above.size() - 1) &&
        (rows.isEmpty() || above.last().first.cells.size() == rows.first().size()))
        header = above.size() - 1;
    // A line below the header that holds no value is a row of the table, a bad one.
    for (qsizetype below = above.size() - 1; header >= 0 && below > header; --below)
        rows.prepend(above.at(below).first.cells);
    if (header >= 0) shape.heading = above.at(header).first;
    const qsizetype outside = header >= 0 ? header : above.size();
    if (outside > 0) shape.before = LineSpan{1, above.at(outside - 1).first.line};
    shape.separator = rowSeparator.value_or(u' ');

    if (std::optional<FileLayout> items = itemLayout(shape.heading, rows))
        shape.layout = *items;
    else
        shape.layout = tableLayout(shape.heading, rows);
    return shape;
}

}  // namespace k4
