#include "platform/numbers.h"

#include <QLocale>
#include <cmath>
#include <limits>

#include "platform/failure.h"

namespace k4 {
namespace {

template <typename Int>
Int roundHalfEven(double value, const QString& file) {
    // nearbyint rounds in the current mode, which is round-to-nearest-even by default.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max()))
        throw Failure(FailureKind::Overflow, file);
    return static_cast<Int>(rounded);
}

// Whole doubles up to this magnitude print exactly as integers.
constexpr double kLargestExactWhole = 9007199254740992.0;  // 2^53

}  // namespace

std::int16_t toInt16(double value, const QString& file) {
    return roundHalfEven<std::int16_t>(value, file);
}

std::int32_t toInt32(double value, const QString& file) {
    return roundHalfEven<std::int32_t>(value, file);
}

QString plainNumberText(double value) {
    if (value == std::trunc(value) && std::fabs(value) <= kLargestExactWhole)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15).toUpper();
}

QString numberText(double value) {
    const QString plain = plainNumberText(value);
    return value >= 0 ? QLatin1Char(' ') + plain : plain;
}

std::optional<double> numberFromTextBox(const QString& text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = QLocale::system().toDouble(trimmed, &ok);
    if (!ok) value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok) return std::nullopt;
    return value;
}

}  // namespace k4
