#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace k4 {

// The rows of the program's own CSV files (the prize file and the ticket book). The program
// writes them in code page 932 with CR LF, cells never quoted; a spreadsheet that saves one
// again may write UTF-8 (with or without a byte-order mark), LF and quoted cells, and the
// reading takes all of those.

struct CsvRow {
    qsizetype line = 0;  // the line of the file, from 1
    QStringList cells;   // unquoted, blanks around each trimmed
};

// The rows of a file's bytes: UTF-8 when they start with a byte-order mark or are valid UTF-8,
// code page 932 otherwise. A line whose cells are all empty (a spreadsheet writes `,,,,,` for a
// blank row) is no row.
std::vector<CsvRow> csvRowsIn(const QByteArray& bytes);

// A cell of plain decimal digits (no sign, no separators) as its number; empty for any other
// cell or one of more than 18 digits.
std::optional<qint64> wholeNumberIn(const QString& cell);

// Four digits, or one to three digits whose leading zeros a spreadsheet dropped (419 for 0419),
// as four digits; empty for any other cell.
std::optional<QString> fourDigitsIn(const QString& cell);

// One line of the program's files: `cells` joined by commas.
QString csvLine(const QStringList& cells);

// Where a file is not as the program writes it: the line and the reason, in Japanese.
struct RowProblem {
    qsizetype line = 0;
    QString reason;  // a sentence, e.g. 番号「12a4」が 4 桁の数字ではありません。
};

// The problem as a restore and the commands show it: "kounyuu4.csv の 3 行目: …".
QString rowProblemText(const QString& fileName, const RowProblem& problem);

// Reads a file of the program's whose first row must be `header`: hands each row after it to
// `readRow`, which returns why the row is bad or nothing. Returns the first bad row, the header
// included; an empty file has none. `readRow` sees the rows before a bad one only.
std::optional<RowProblem> readCsvFile(
    const QByteArray& bytes, const QStringList& header,
    const std::function<std::optional<QString>(const QStringList& cells)>& readRow);

}  // namespace k4
