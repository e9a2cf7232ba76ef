#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

namespace k4 {

// Creates a control of a window with its object name, pixel geometry and font.
template <typename Control>
Control* placeControl(QWidget* window, const char* name, QRect geometry, const QFont& font) {
    auto* control = new Control(window);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    control->setFont(font);
    return control;
}

// Gives a top-level window its fixed client size and the program's icon.
void setUpFixedWindow(QWidget* window, const QString& caption, QRect clientGeometry);

// Chains the keyboard focus through `controls` in the order given.
void chainTabOrder(std::initializer_list<QWidget*> controls);

}  // namespace k4
