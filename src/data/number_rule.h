#pragma once

#include <QStringView>

namespace k4 {

// The number at the start of a line: spaces, tabs and line feeds are ignored wherever they
// stand; then an optional sign, decimal digits and an optional decimal point with further
// digits are taken, and reading stops at the first character that cannot continue the number.
// A line that does not begin with a number reads as 0. No exponent and no hexadecimal or octal
// prefix. A number too large for a double reads as an infinity of its sign.
double readNumber(QStringView line);

}  // namespace k4
