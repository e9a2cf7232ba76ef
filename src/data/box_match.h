#pragma once

#include <QStringView>
#include <QtGlobal>
#include <optional>

namespace k4 {

// Whether `a` and `b` are the same box: the same characters, each as many times, in any order.
// A draw result wins on a box ticket of the same box, and registering a result moves the
// candidate of its box to the end of the table.
bool isSameBox(QStringView a, QStringView b);

// The box of a text of at most four characters as one number: its characters sorted and packed.
// Two texts of the same length are the same box exactly when their keys are equal. Empty for a
// longer text.
std::optional<quint64> shortBoxKey(QStringView text);

}  // namespace k4
