#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace k4 {

// Creates a control of a window with its object name, pixel geometry and font. The object name
// is the control's name in the window layout, by which tests and the layout find it.
template <typename Control>
Control* placeControl(QWidget* window, const char* name, QRect geometry, const QFont& font) {
    auto* control = new Control(window);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    control->setFont(font);
    return control;
}

// A caption, top-left aligned as the layout draws it, which screen readers read as it stands.
QLabel* placeLabel(QWidget* window, const char* name, QRect geometry, const QFont& font,
                   const QString& caption);

// A command button that Enter and Esc never press unless it has the focus. Screen readers read
// its caption without the spaces that spread it out.
QPushButton* placeButton(QWidget* window, const char* name, QRect geometry, const QFont& font,
                         const QString& caption);

// A single-line text box holding `text`.
QLineEdit* placeTextBox(QWidget* window, const char* name, QRect geometry, const QFont& font,
                        const QString& text = {});

// Gives a top-level window its fixed client size and the program's icon.
void setUpFixedWindow(QWidget* window, const QString& caption, QRect clientGeometry);

// Chains the keyboard focus through `controls` in the order given.
void chainTabOrder(std::initializer_list<QWidget*> controls);

}  // namespace k4
