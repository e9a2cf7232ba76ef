#include "data/csv_rows.h"

#include <QStringDecoder>
#include <algorithm>

#include "data/digits.h"
#include "data/lines.h"

namespace k4 {
namespace {

// The cells of a CSV line: a quoted cell may hold commas and doubled quotes.
QStringList csvCellsOf(QStringView line) {
    QStringList cells;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c != u'"')
                cell += c;
            else if (i + 1 < line.size() && line[i + 1] == u'"')
                cell += line[++i];
            else
                quoted = false;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            cells.append(cell.trimmed());
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells.append(cell.trimmed());
    return cells;
}

QStringList textLines(QByteArrayView bytes) {
    const bool marked = bytes.startsWith(kUtf8ByteOrderMark);
    if (marked) bytes = bytes.sliced(kUtf8ByteOrderMark.size());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!marked && utf8.hasError()) return readLines(bytes);
    QStringList lines;
    LineSplitter<QStringView> splitter(text);
    while (const std::optional<QStringView> line = splitter.next()) lines.append(line->toString());
    return lines;
}

}  // namespace

std::vector<CsvRow> csvRowsIn(const QByteArray& bytes) {
    std::vector<CsvRow> rows;
    const QStringList lines = textLines(bytes);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringList cells = csvCellsOf(lines[i]);
        if (std::all_of(cells.begin(), cells.end(), [](const QString& c) { return c.isEmpty(); }))
            continue;
        rows.push_back({i + 1, std::move(cells)});
    }
    return rows;
}

std::optional<qint64> wholeNumberIn(const QString& cell) {
    constexpr qsizetype kLongestNumber = 18;
    if (cell.isEmpty() || cell.size() > kLongestNumber) return std::nullopt;
    if (!std::all_of(cell.begin(), cell.end(), isDecimalDigit)) return std::nullopt;
    return cell.toLongLong();
}

std::optional<QString> fourDigitsIn(const QString& cell) {
    if (cell.isEmpty() || cell.size() > kPlaces) return std::nullopt;
    if (!std::all_of(cell.begin(), cell.end(), isDecimalDigit)) return std::nullopt;
    return cell.rightJustified(kPlaces, u'0');
}

QString csvLine(const QStringList& cells) {
    return cells.join(u',');
}

QString rowProblemText(const QString& fileName, const RowProblem& problem) {
    return QStringLiteral("%1 の %2 行目: %3").arg(fileName).arg(problem.line).arg(problem.reason);
}

std::optional<RowProblem> readCsvFile(
    const QByteArray& bytes, const QStringList& header,
    const std::function<std::optional<QString>(const QStringList& cells)>& readRow) {
    const std::vector<CsvRow> rows = csvRowsIn(bytes);
    if (rows.empty()) return std::nullopt;
    if (rows.front().cells != header)
        return RowProblem{rows.front().line,
                          QStringLiteral("見出しが「%1」ではありません。").arg(csvLine(header))};
    for (auto row = rows.begin() + 1; row != rows.end(); ++row)
        if (std::optional<QString> reason = readRow(row->cells))
            return RowProblem{row->line, std::move(*reason)};
    return std::nullopt;
}

}  // namespace k4
