#pragma once

#include <QString>

namespace k4 {

// Text from a file as a message quotes it: at most 40 characters (then "…"), and control
// characters written as \xNN, so that neither a huge line nor a stray control byte reaches the
// terminal or the screen.
QString shownText(QStringView text);

}  // namespace k4
