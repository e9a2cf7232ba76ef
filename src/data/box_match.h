#pragma once

#include <QStringView>

namespace k4 {

// Whether `a` and `b` are the same box: the same characters, each as many times, in any order.
// A draw result wins on a box ticket of the same box, and registering a result moves the
// candidate of its box to the end of the table.
bool isSameBox(QStringView a, QStringView b);

}  // namespace k4
