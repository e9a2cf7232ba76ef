#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace k4 {

// Labels of the statistics window's pages, which lay themselves out.

// A label for sentences: it wraps, and its text starts at the top left of the room it is given.
QLabel* sentenceLabel(QWidget* parent, const QString& text = {});

// Sets the label's text in bold, as the pages set their headings and conclusions.
void setBold(QLabel* label);

}  // namespace k4
