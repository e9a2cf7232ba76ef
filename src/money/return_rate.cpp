#include "money/return_rate.h"

namespace k4 {

QString ReturnRate::percentText() const {
    if (!isDefined()) return {};
    // Long division to four decimals of the ratio (two of the percentage), then half up on
    // what remains. The remainder stays below the cost, so no step can overflow.
    constexpr int kDecimals = 4;
    constexpr qint64 kBase = 10;
    qint64 whole = returnYen / costYen;
    qint64 remainder = returnYen % costYen;
    qint64 fraction = 0;
    for (int i = 0; i < kDecimals; ++i) {
        remainder *= kBase;
        fraction = fraction * kBase + remainder / costYen;
        remainder %= costYen;
    }
    constexpr qint64 kFractionOne = 10'000;  // kBase to the power kDecimals
    if (2 * remainder >= costYen && ++fraction == kFractionOne) {
        ++whole;
        fraction = 0;
    }
    constexpr qint64 kPercent = 100;
    return QStringLiteral("%1.%2%")
        .arg(whole * kPercent + fraction / kPercent)
        .arg(fraction % kPercent, 2, 10, QLatin1Char('0'));
}

}  // namespace k4
