#pragma once

#include <QChar>
#include <QStringView>

namespace k4 {

// A draw result is four digits, in places 1 to 4, each one of the ten values 0 to 9.
inline constexpr int kPlaces = 4;
inline constexpr int kDigitValues = 10;
// The draws there are: 0000 to 9999, each as likely as the others.
inline constexpr int kPossibleDraws = 10000;

// Whether `c` is one of the ASCII digits 0 to 9, the only digits the data files hold.
constexpr bool isDecimalDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The value of an ASCII digit.
constexpr int digitValue(QChar digit) {
    return digit.unicode() - u'0';
}

// A full-width digit ０ to ９, as a Japanese input method types it, as its ASCII digit; any
// other character as it is.
constexpr QChar halfWidthDigit(QChar c) {
    return c >= u'０' && c <= u'９' ? QChar(char16_t(u'0' + (c.unicode() - u'０'))) : c;
}

// Whether `text` is exactly four ASCII digits, as a draw result is stored.
constexpr bool isFourDigits(QStringView text) {
    if (text.size() != kPlaces) return false;
    for (const QChar c : text)
        if (!isDecimalDigit(c)) return false;
    return true;
}

}  // namespace k4
