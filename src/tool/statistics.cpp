#include "tool/statistics.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "data/box_match.h"
#include "data/digits.h"

namespace k4 {
namespace {

constexpr double kFairDraws = 10000.0;
std::array<int, 10> digitCounts(const QString& fourDigits) {
    std::array<int, 10> counts{};
    for (const QChar c : fourDigits) ++counts[digitValue(c)];
    return counts;
}

}  // namespace

double boxProbability(const QString& combination) {
    if (!isFourDigits(combination)) return 0.0;
    int arrangements = 24;  // 4!, divided by the arrangements of each repeated digit
    for (const int count : digitCounts(combination))
        for (int k = 2; k <= count; ++k) arrangements /= k;
    return arrangements / kFairDraws;
}

bool isBoxMatch(const QString& result, const QString& combination) {
    return isFourDigits(result) && isSameBox(result, combination);
}

Interval wilsonInterval(int hits, int trials) {
    if (trials <= 0) return {0.0, 1.0};
    const double n = trials;
    const double p = hits / n;
    const double z2 = kNormalQuantile95 * kNormalQuantile95;
    const double centre = (p + z2 / (2 * n)) / (1 + z2 / n);
    const double half =
        kNormalQuantile95 / (1 + z2 / n) * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n));
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

double upperTailProbability(const std::vector<double>& chances, int hits) {
    if (hits <= 0) return 1.0;
    if (hits > int(chances.size())) return 0.0;
    // distribution[k] = P(k successes so far); only counts up to `hits` are kept, the last
    // one standing for "hits or more".
    std::vector<double> distribution(hits + 1, 0.0);
    distribution[0] = 1.0;
    for (const double chance : chances) {
        distribution[hits] += distribution[hits - 1] * chance;
        for (int k = hits - 1; k >= 1; --k)
            distribution[k] = distribution[k] * (1 - chance) + distribution[k - 1] * chance;
        distribution[0] *= 1 - chance;
    }
    return std::clamp(distribution[hits], 0.0, 1.0);
}

}  // namespace k4
