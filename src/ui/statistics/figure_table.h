#pragma once

#include <QList>
#include <QSet>
#include <QStringList>
#include <QTableWidget>

namespace k4 {

// A table of figures that the user reads and may select, but does not edit: column headers, no
// row numbers, the columns as wide as their contents and the last one taking what is left.
class FigureTable : public QTableWidget {
    Q_OBJECT

public:
    // `numericColumns` are the columns whose figures are right-aligned.
    FigureTable(const QStringList& headers, QSet<int> numericColumns, QWidget* parent);

    // Replaces the rows, one list of texts a row.
    void setRows(const QList<QStringList>& rows);

    // Shows every row without scroll bars: the table takes the height of its rows.
    void fitRows();
    // Shows every column: the table takes the width of its columns, the last one as wide as
    // its contents too. For a table that also fits its rows.
    void fitColumns();

private:
    QSet<int> numericColumns_;
};

}  // namespace k4
