#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;

namespace k4 {

// Creates a control of a window with its object name, pixel geometry and font. The object name
// is the control's kind and number (Command5, Text1, List2 …), by which tests find it.
template <typename Control>
Control* placeControl(QWidget* window, const char* name, QRect geometry, const QFont& font) {
    auto* control = new Control(window);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    control->setFont(font);
    return control;
}

// A list box, which scrolls up and down only, as the layout's list boxes do: an item wider than
// the box is cut off at its edge, neither shortened with an ellipsis nor given a horizontal
// scroll bar.
template <typename List>
List* placeListBox(QWidget* window, const char* name, QRect geometry, const QFont& font) {
    auto* list = placeControl<List>(window, name, geometry, font);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideNone);
    return list;
}

// A caption, top-left aligned as the layout draws it, which screen readers read as it stands.
QLabel* placeLabel(QWidget* window, const char* name, QRect geometry, const QFont& font,
                   const QString& caption);

// A command button. Screen readers read its caption without the spaces that spread it out.
QPushButton* placeButton(QWidget* window, const char* name, QRect geometry, const QFont& font,
                         const QString& caption);

// A single-line text box holding `text`.
QLineEdit* placeTextBox(QWidget* window, const char* name, QRect geometry, const QFont& font,
                        const QString& text = {});

// Gives a top-level window its fixed client size and the program's icon.
void setUpFixedWindow(QWidget* window, const QString& caption, QRect clientGeometry);

// The same for a window with a menu bar above its client area, the window's only child beside
// the menu bar: the client area keeps its size and the window grows by the menu bar's height.
void setUpFixedWindow(QWidget* window, const QString& caption, QRect clientGeometry,
                      QMenuBar* menuBar, QWidget* clientArea);

// Lets Enter press the button of `window` that has the focus, as Space does and as Windows users
// expect. No button becomes a default button: Enter pressed anywhere else presses none.
void pressFocusedButtonsWithEnter(QWidget* window);

// Chains the keyboard focus through `controls` in the order given.
void chainTabOrder(std::initializer_list<QWidget*> controls);

}  // namespace k4
