#include "ui/statistics/text_table_model.h"

#include <QHeaderView>
#include <QTableView>

namespace k4 {
namespace {

// The rows measured for the columns' widths: enough for the top of the table.
constexpr int kMeasuredRows = 200;

}  // namespace

TextTableModel::TextTableModel(QStringList headers, QSet<int> numericColumns, QObject* parent)
    : QAbstractTableModel(parent),
      headers_(std::move(headers)),
      numericColumns_(std::move(numericColumns)) {}

void TextTableModel::setRows(QList<QStringList> rows, int toolTipColumn, QStringList toolTips) {
    beginResetModel();
    rows_ = std::move(rows);
    toolTipColumn_ = toolTipColumn;
    toolTips_ = std::move(toolTips);
    endResetModel();
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(headers_.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size()) return {};
    switch (role) {
        case Qt::DisplayRole:
            return rows_[index.row()].value(index.column());
        case Qt::TextAlignmentRole:
            return int(Qt::AlignVCenter |
                       (numericColumns_.contains(index.column()) ? Qt::AlignRight : Qt::AlignLeft));
        case Qt::ToolTipRole:
            if (index.column() == toolTipColumn_ && !toolTips_.value(index.row()).isEmpty())
                return toolTips_[index.row()];
            return {};
        default:
            return {};
    }
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return headers_.value(section);
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QTableView* textTableView(TextTableModel* model, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setModel(model);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->verticalHeader()->minimumSectionSize());
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->setTabKeyNavigation(false);
    view->horizontalHeader()->setStretchLastSection(true);
    view->horizontalHeader()->setResizeContentsPrecision(kMeasuredRows);
    // The columns follow the texts whenever the rows are replaced.
    QObject::connect(model, &QAbstractItemModel::modelReset, view,
                     [view] { view->resizeColumnsToContents(); });
    return view;
}

}  // namespace k4
