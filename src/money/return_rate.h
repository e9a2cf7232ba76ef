#pragma once

#include <QString>
#include <QtGlobal>

namespace k4 {

// What came back for what was paid, kept as the two whole amounts of yen so that the rate is
// exact: the prizes won over the cost of the rounds drawn.
struct ReturnRate {
    qint64 returnYen = 0;  // 0 or more
    qint64 costYen = 0;    // 0 or more; the rate is undefined while nothing was paid

    bool isDefined() const { return costYen > 0; }
    // The rate as a percentage with two decimals, rounded half up in whole numbers only:
    // 75,400 over 16,000 is "471.25%". Empty when the rate is undefined.
    QString percentText() const;
};

}  // namespace k4
