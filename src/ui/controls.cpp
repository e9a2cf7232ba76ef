#include "ui/controls.h"

#include <QIcon>

namespace k4 {

void setUpFixedWindow(QWidget* window, const QString& caption, QRect clientGeometry) {
    window->setWindowTitle(caption);
    window->setWindowIcon(QIcon(QStringLiteral(":/kirikata4.xpm")));
    // Minimise but no maximise: the layout is fixed, so the window keeps its size.
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window->setGeometry(clientGeometry);
    window->setFixedSize(clientGeometry.size());
}

void chainTabOrder(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

}  // namespace k4
