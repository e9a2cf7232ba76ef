#pragma once

#include <QString>
#include <initializer_list>

class QHBoxLayout;
class QLabel;
class QWidget;

namespace k4 {

// Labels of the statistics window's pages, which lay themselves out.

// A label for sentences: it wraps, and its text starts at the top left of the room it is given.
QLabel* sentenceLabel(QWidget* parent, const QString& text = {});

// Sets the label's text in bold, as the pages set their headings and conclusions.
void setBold(QLabel* label);

// A label that names `buddy` and gives it its access key.
QLabel* buddyLabel(const QString& text, QWidget* buddy);

// A row of controls from the left: the widgets of each group side by side, the groups a little
// apart.
QHBoxLayout* controlRow(std::initializer_list<std::initializer_list<QWidget*>> groups);

// A table of figures with sentences about them on its right, from the top; the sentences take
// the room the table leaves.
QHBoxLayout* besideSentences(QWidget* table, std::initializer_list<QLabel*> sentences);

}  // namespace k4
