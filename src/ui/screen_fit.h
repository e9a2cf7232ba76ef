#pragma once

#include <QRect>
#include <QSize>

namespace k4 {

// The size a resizable window opens at on a screen whose free area (without its panels and task
// bar) is `available`: the size it would like, made smaller where that area is, with room left
// for the frame and title bar that the window system draws around it.
QSize sizeWithin(QSize wanted, QRect available);

}  // namespace k4
