#include "data/number_rule.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "data/digits.h"

namespace k4 {
namespace {

bool isIgnored(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

}  // namespace

double readNumber(QStringView line) {
    std::string text;  // the number in the plain form "digits.digits"
    bool atStart = true;
    bool negative = false;
    bool pointSeen = false;
    bool digitSeen = false;
    bool nonZeroWhole = false;
    for (const QChar c : line) {
        if (isIgnored(c)) continue;
        if (atStart && (c == u'+' || c == u'-')) {
            negative = c == u'-';
        } else if (isDecimalDigit(c)) {
            digitSeen = true;
            nonZeroWhole = nonZeroWhole || (!pointSeen && c != u'0');
            text += static_cast<char>(c.unicode());
        } else if (c == u'.' && !pointSeen) {
            pointSeen = true;
            text += '.';
        } else {
            break;
        }
        atStart = false;
    }
    if (!digitSeen) return 0.0;
    if (text.front() == '.') text.insert(text.begin(), '0');

    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        value = nonZeroWhole ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

}  // namespace k4
