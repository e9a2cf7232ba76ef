#pragma once

#include <QStringList>

namespace k4 {

// The lines of the candidate file the program is installed with: every box combination with
// at least three different digits (210 with four different digits, 360 with one repeated
// digit), each written with its digits in ascending order, the lines in ascending order.
QStringList initialCandidateLines();

}  // namespace k4
