#pragma once

#include <QString>

namespace k4 {

// Text from a file as a message quotes it: at most 40 characters (then "…"), a tab as a column
// rule " │ " and other control characters as <1B>, a notation without the backslash that
// Japanese faces draw as a yen sign, so that neither a huge line nor a stray control byte
// reaches the terminal or the screen.
QString shownText(QStringView text);

}  // namespace k4
