#pragma once

#include <QRandomGenerator>
#include <QStringList>

namespace k4::test {

// Uniformly drawn four-digit results, the same for a seed on every platform and library (the
// standard library's distributions differ between implementations).
inline QStringList randomDraws(int count, quint32 seed) {
    QRandomGenerator random(seed);
    QStringList draws;
    draws.reserve(count);
    for (int i = 0; i < count; ++i)
        draws << QStringLiteral("%1").arg(random.bounded(10000), 4, 10, QLatin1Char('0'));
    return draws;
}

// `lines` in an order drawn from `seed` (Fisher and Yates), the same everywhere.
inline QStringList shuffled(QStringList lines, quint32 seed) {
    QRandomGenerator random(seed);
    for (qsizetype i = lines.size() - 1; i > 0; --i)
        lines.swapItemsAt(i, random.bounded(qint64(i + 1)));
    return lines;
}

}  // namespace k4::test
