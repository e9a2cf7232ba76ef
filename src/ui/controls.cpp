#include "ui/controls.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/window_icon.h"

namespace k4 {

QLabel* placeLabel(QWidget* window, const char* name, QRect geometry, const QFont& font,
                   const QString& caption) {
    auto* label = placeControl<QLabel>(window, name, geometry, font);
    label->setText(caption);
    label->setAccessibleName(caption);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* placeButton(QWidget* window, const char* name, QRect geometry, const QFont& font,
                         const QString& caption) {
    auto* button = placeControl<QPushButton>(window, name, geometry, font);
    button->setText(caption);
    // Captions are spaced out to fill the button ("予  想 "); a screen reader reads the word.
    button->setAccessibleName(QString(caption).remove(u' '));
    return button;
}

QLineEdit* placeTextBox(QWidget* window, const char* name, QRect geometry, const QFont& font,
                        const QString& text) {
    auto* box = placeControl<QLineEdit>(window, name, geometry, font);
    box->setText(text);
    return box;
}

namespace {

void setUpWindowFrame(QWidget* window, const QString& caption) {
    window->setWindowTitle(caption);
    window->setWindowIcon(windowIcon());
    // Minimise but no maximise: the layout is fixed, so the window keeps its size.
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

}  // namespace

void setUpFixedWindow(QWidget* window, const QString& caption, QRect clientGeometry) {
    setUpWindowFrame(window, caption);
    window->setGeometry(clientGeometry);
    window->setFixedSize(clientGeometry.size());
}

void setUpFixedWindow(QWidget* window, const QString& caption, QRect clientGeometry,
                      QMenuBar* menuBar, QWidget* clientArea) {
    setUpWindowFrame(window, caption);
    clientArea->setFixedSize(clientGeometry.size());
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(clientArea);
    // The window takes the size the layout asks for, and keeps it: the client area's, with the
    // menu bar's height above it (a menu bar too wide for the client area wraps, growing the
    // height, never the width).
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->activate();
    window->move(clientGeometry.topLeft());
}

// An auto-default button takes Enter while it has the focus. Only a dialog turns its auto-default
// buttons into default buttons, and none of the program's windows is a dialog.
void pressFocusedButtonsWithEnter(QWidget* window) {
    for (QPushButton* button : window->findChildren<QPushButton*>()) button->setAutoDefault(true);
}

void chainTabOrder(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

}  // namespace k4
