#include "ui/statistics/figure_table.h"

#include <QHeaderView>

namespace k4 {

FigureTable::FigureTable(const QStringList& headers, QSet<int> numericColumns, QWidget* parent)
    : QTableWidget(0, int(headers.size()), parent), numericColumns_(std::move(numericColumns)) {
    setHorizontalHeaderLabels(headers);
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
    // The arrow keys move among the cells; Tab goes on to the next control.
    setTabKeyNavigation(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column + 1 < columnCount(); ++column)
        horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
}

void FigureTable::setRows(const QList<QStringList>& rows) {
    setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            auto* item = new QTableWidgetItem(rows[row].value(column));
            item->setTextAlignment(
                Qt::AlignVCenter |
                (numericColumns_.contains(column) ? Qt::AlignRight : Qt::AlignLeft));
            setItem(row, column, item);
        }
    }
    resizeRowsToContents();
}

void FigureTable::fitRows() {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    setSizePolicy(sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
}

void FigureTable::fitColumns() {
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    setSizePolicy(QSizePolicy::Fixed, sizePolicy().verticalPolicy());
}

}  // namespace k4
