#include "import/past_results.h"

#include <algorithm>
#include <utility>

#include "data/data_files.h"
#include "data/lines.h"
#include "import/cell_values.h"
#include "import/text_cells.h"

namespace k4 {
namespace {

// Progress is reported once every this many lines.
constexpr int kLinesPerProgress = 4096;

// The round and the result cell of a line.
struct LineCells {
    std::optional<QString> round;  // none where the file has no rounds
    QString result;
};

// Reads the lines of a file one by one by its shape; a line's reading depends on the lines
// before it.
class LineReader {
public:
    using Reading = decltype(LineReading::reading);

    explicit LineReader(const FileShape& shape)
        : heading_(shape.heading),
          before_(shape.before),
          layout_(std::get_if<FileLayout>(&shape.layout)) {
        if (layout_ && layout_->order == ResultOrder::NewestFirst) step_ = -1;
    }

    Reading read(int lineNumber, QStringView line) {
        if (heading_ && lineNumber == heading_->line) return HeaderLine{};
        const QStringList cells = cellsOf(line);
        if (std::all_of(cells.begin(), cells.end(), [](const QString& c) { return c.isEmpty(); }))
            return BlankLine{};
        if (before_ && lineNumber <= before_->last) return OutsideLine{};
        if (heading_ && cells == heading_->cells) return HeaderLine{};
        if (!layout_) return UnreadLine{};

        const auto bad = [&](LineProblem problem, const QString& field, qint64 expected = 0) {
            return BadLine{lineNumber, problem, field, expected, 0};
        };
        std::variant<LineCells, BadLine> picked =
            layout_->items ? itemCells(cells, line, bad) : tableCells(cells, line, bad);
        if (const auto* problem = std::get_if<BadLine>(&picked)) return *problem;
        const LineCells& found = std::get<LineCells>(picked);

        PastResult past{lineNumber, std::nullopt, {}, std::nullopt};
        if (found.round) {
            past.round = roundIn(*found.round);
            if (!past.round) return bad(LineProblem::BadRound, *found.round);
            // One report per gap: the line after a gap is compared with the round it follows.
            const std::optional<qint64> before = std::exchange(previousRound_, past.round);
            if (before && *past.round != *before + step_)
                return bad(LineProblem::RoundGap, QString::number(*past.round), *before + step_);
        }
        std::optional<QString> result = resultIn(found.result);
        if (!result && layout_->padsResult) result = paddedResultIn(found.result);
        if (!result) return bad(LineProblem::NotFourDigits, found.result);
        // The counter ends at the last round, which the main window must be able to show.
        const qint64 round = past.round.value_or(results_ + 1);
        if (round > kLargestCounter)
            return bad(LineProblem::RoundTooLate, QString::number(round), kLargestCounter);
        past.result = *result;
        if (past.round) {
            past.prizes = RoundPrizes{qint32(*past.round), past.result, {}, {}, {}, {}};
            for (const PrizeColumnAt& prize : layout_->prizeColumns) {
                const QString cell = cells.value(prize.column);
                const std::optional<qint64> yen = prizeIn(cell);
                if (!yen) {
                    BadLine notAnAmount = bad(LineProblem::BadPrize, cell);
                    notAnAmount.column = prize.column + 1;
                    return notAnAmount;
                }
                if (*yen > 0) (*past.prizes).*prize.amount = *yen;
            }
        }
        ++results_;
        return past;
    }

private:
    // One or two items: the last the result, a first one its round, in every line alike.
    template <typename Bad>
    std::variant<LineCells, BadLine> itemCells(QStringList cells, QStringView line, Bad bad) {
        cells.removeIf([](const QString& cell) { return cell.isEmpty(); });
        if (cells.size() > 2) return bad(LineProblem::TooManyItems, line.trimmed().toString());
        const bool hasRound = cells.size() == 2;
        if (!numbered_) numbered_ = hasRound;
        if (hasRound != *numbered_)
            return bad(hasRound ? LineProblem::RoundUnexpected : LineProblem::RoundMissing,
                       line.trimmed().toString());
        return LineCells{hasRound ? std::optional(cells.first()) : std::nullopt, cells.last()};
    }

    template <typename Bad>
    std::variant<LineCells, BadLine> tableCells(const QStringList& cells, QStringView line,
                                                Bad bad) {
        LineCells found{std::nullopt, cells.value(layout_->resultColumn)};
        if (layout_->roundColumn) {
            found.round = cells.value(*layout_->roundColumn);
            if (found.round->isEmpty())
                return bad(LineProblem::RoundMissing, line.trimmed().toString());
        }
        if (found.result.isEmpty()) {
            BadLine missing = bad(LineProblem::NoResult, line.trimmed().toString());
            missing.column = layout_->resultColumn + 1;
            return missing;
        }
        return found;
    }

    const std::optional<Heading>& heading_;
    const std::optional<LineSpan>& before_;
    const FileLayout* layout_;      // none when no column holds the results
    int step_ = 1;                  // from one round to the next line's
    std::optional<bool> numbered_;  // lines of items: decided by the first result
    std::optional<qint64> previousRound_;
    qint64 results_ = 0;  // the good results read so far
};

}  // namespace

std::optional<PastResults> readPastResults(QByteArrayView bytes, const WorkProgress& progress) {
    const QString text = decodePastResultsText(bytes);
    PastResults read{{}, {}, std::nullopt, {}, {}, 0, std::nullopt, looksLikeText(text)};
    if (!read.isText) return read;
    read.shape = shapeOf(text);
    if (!std::holds_alternative<FileLayout>(read.shape.layout)) return read;
    const bool newestFirst =
        std::get<FileLayout>(read.shape.layout).order == ResultOrder::NewestFirst;

    const qsizetype totalLines = progress ? LineSplitter<QStringView>::countLines(text) : 0;
    LineSplitter<QStringView> lines(text);
    LineReader reader(read.shape);
    std::optional<qint64> lastRound;
    bool rowRead = false;
    // Bad lines after the last row read so far that hold no digit, or hold no result and are
    // not cut into cells as the rows of a table of tabs or commas are: a footer, unless a row
    // follows.
    QList<BadLine> below;
    const auto footer = [&](QStringView line) {
        if (!holdsDigit(line)) return true;
        const QStringList cells = cellsOf(line);
        return read.shape.separator != u' ' && separatorOf(line) != read.shape.separator &&
               std::none_of(cells.begin(), cells.end(),
                            [](const QString& cell) { return resultIn(cell).has_value(); });
    };
    const auto addBad = [&](const BadLine& bad) {
        if (read.badLines.size() < kBadLinesKept) read.badLines.append(bad);
        ++read.badLineCount;
    };
    const auto rowFollows = [&] {
        for (const BadLine& bad : below) addBad(bad);
        below.clear();
        rowRead = true;
    };
    int lineNumber = 0;
    while (const std::optional<QStringView> line = lines.next()) {
        ++lineNumber;
        if (lineNumber % kLinesPerProgress == 0 && !goesOn(progress, lineNumber, totalLines))
            return std::nullopt;
        const LineReader::Reading reading = reader.read(lineNumber, *line);
        if (const auto* bad = std::get_if<BadLine>(&reading)) {
            if (rowRead && footer(*line)) {
                below.append(*bad);
                continue;
            }
            rowFollows();
            addBad(*bad);
        } else if (const auto* past = std::get_if<PastResult>(&reading)) {
            rowFollows();
            // After a bad line the results are of no use; the rest is read for its bad lines.
            if (read.badLineCount > 0) continue;
            if (!read.firstRound) read.firstRound = past->round;
            lastRound = past->round;
            read.results.append(past->result);
            if (past->prizes)
                read.prizes.emplace_hint(newestFirst ? read.prizes.begin() : read.prizes.end(),
                                         past->prizes->round, *past->prizes);
        }
    }
    if (!goesOn(progress, lineNumber, totalLines)) return std::nullopt;
    if (!below.isEmpty()) read.after = LineSpan{below.first().line, lineNumber};
    if (read.badLineCount > 0) {
        read.results.clear();
        read.prizes.clear();
        read.firstRound.reset();
    } else if (newestFirst) {
        std::reverse(read.results.begin(), read.results.end());
        read.firstRound = lastRound;
    }
    return read;
}

std::vector<HistoryRound> resultRounds(const PastResults& read) {
    std::vector<HistoryRound> rounds;
    rounds.reserve(read.results.size());
    const qint64 first = read.firstRound.value_or(1);
    for (qsizetype i = 0; i < read.results.size(); ++i)
        rounds.push_back({first + i, 0, read.results.at(i)});
    return rounds;
}

QList<LineReading> previewPastResults(QByteArrayView bytes, const PastResults& read, int count) {
    if (!read.isText) return {};
    const QString text = decodePastResultsText(bytes);
    LineSplitter<QStringView> lines(text);
    LineReader reader(read.shape);
    QList<LineReading> preview;
    while (preview.size() < count) {
        const std::optional<QStringView> line = lines.next();
        if (!line) break;
        const int lineNumber = int(preview.size()) + 1;
        LineReading shown{lineNumber, line->toString(), reader.read(lineNumber, *line)};
        if (read.after && lineNumber >= read.after->first &&
            !std::holds_alternative<BlankLine>(shown.reading))
            shown.reading = OutsideLine{};
        preview.append(std::move(shown));
    }
    return preview;
}

}  // namespace k4
