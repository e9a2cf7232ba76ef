#pragma once

#include <QString>
#include <cstdint>
#include <limits>
#include <optional>

namespace k4 {

// The last round: the main window shows the next round, counter plus one, as a 16-bit number, so
// a counter above this one stops the program at start-up. "The last round" means this number
// throughout the program; a registration that would pass it fails with CounterFull.
inline constexpr std::int32_t kLargestCounter = std::numeric_limits<std::int16_t>::max() - 1;

// Round to the nearest integer, a half to the even neighbour, into the signed 16-bit range.
// Throws Failure(Overflow, file) when the rounded value (or NaN) does not fit; `file` names the
// data the value came from.
std::int16_t toInt16(double value, const QString& file = {});

// The same for the signed 32-bit range.
std::int32_t toInt32(double value, const QString& file = {});

// Decimal text with a leading space for a value of 0 or more and a minus sign otherwise
// (" 57", "-4"); whole values never use an exponent.
QString numberText(double value);

// The same without the leading space: what text boxes and data files hold ("57", "-4", "11.5").
QString plainNumberText(double value);

// The number a user typed into a text box: locale-aware, blanks around it allowed. Empty when
// the text is not a number.
std::optional<double> numberFromTextBox(const QString& text);

}  // namespace k4
