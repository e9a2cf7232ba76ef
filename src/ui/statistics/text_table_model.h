#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QSet>
#include <QStringList>

class QTableView;
class QWidget;

namespace k4 {

// A table of texts the user reads and selects but does not edit, for a view of thousands of
// rows: the view asks only for the cells it shows, where a table of items would measure every
// one as it is set.
class TextTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // `numericColumns` are right-aligned.
    TextTableModel(QStringList headers, QSet<int> numericColumns, QObject* parent);

    // Replaces the rows, one list of texts a row, and the tooltips of the cells of
    // `toolTipColumn`, one a row (or none).
    void setRows(QList<QStringList> rows, int toolTipColumn = -1, QStringList toolTips = {});

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList headers_;
    QSet<int> numericColumns_;
    QList<QStringList> rows_;
    int toolTipColumn_ = -1;
    QStringList toolTips_;
};

// A view of `model` as the pages show their figures: column headers, no row numbers, the cells
// read and selected but not edited, Tab going on to the next control, the columns as wide as the
// texts of the rows at the top and the last one taking what is left; every row as high as one.
QTableView* textTableView(TextTableModel* model, QWidget* parent);

}  // namespace k4
