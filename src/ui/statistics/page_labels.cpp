#include "ui/statistics/page_labels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace k4 {
namespace {

constexpr int kGroupGap = 16;

}  // namespace

QLabel* sentenceLabel(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void setBold(QLabel* label) {
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
}

QLabel* buddyLabel(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

QHBoxLayout* controlRow(std::initializer_list<std::initializer_list<QWidget*>> groups) {
    auto* row = new QHBoxLayout;
    for (const std::initializer_list<QWidget*>& group : groups) {
        if (row->count() > 0) row->addSpacing(kGroupGap);
        for (QWidget* widget : group) row->addWidget(widget);
    }
    return row;
}

QHBoxLayout* besideSentences(QWidget* table, std::initializer_list<QLabel*> sentences) {
    auto* column = new QVBoxLayout;
    for (QLabel* sentence : sentences) column->addWidget(sentence);
    column->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(table);
    row->addLayout(column, 1);
    return row;
}

}  // namespace k4
