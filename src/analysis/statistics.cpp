#include "analysis/statistics.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace k4 {
namespace {

constexpr double kGammaPrecision = 1e-15;
constexpr int kGammaIterations = 1000;
constexpr double kTiny =
    std::numeric_limits<double>::min() / std::numeric_limits<double>::epsilon();

// x^a e^-x / Γ(a), the factor both expansions share.
double gammaPrefactor(double a, double x) {
    return std::exp(a * std::log(x) - x - std::lgamma(a));
}

// P(a, x) = 1 - Q(a, x) by its series, which converges quickly below x = a + 1.
double lowerGammaSeries(double a, double x) {
    double term = 1 / a;
    double sum = term;
    for (int n = 1; n < kGammaIterations && std::fabs(term) > std::fabs(sum) * kGammaPrecision;
         ++n) {
        term *= x / (a + n);
        sum += term;
    }
    return sum * gammaPrefactor(a, x);
}

// Q(a, x) by its continued fraction, evaluated with Lentz's method, above x = a + 1.
double upperGammaFraction(double a, double x) {
    double b = x + 1 - a;
    double c = 1 / kTiny;
    double d = 1 / b;
    double fraction = d;
    for (int i = 1; i < kGammaIterations; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        if (std::fabs(d) < kTiny) d = kTiny;
        c = b + an / c;
        if (std::fabs(c) < kTiny) c = kTiny;
        d = 1 / d;
        const double step = d * c;
        fraction *= step;
        if (std::fabs(step - 1) < kGammaPrecision) break;
    }
    return fraction * gammaPrefactor(a, x);
}

}  // namespace

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

double upperGammaRatio(double a, double x) {
    if (x <= 0) return 1.0;
    if (x < a + 1) return std::clamp(1 - lowerGammaSeries(a, x), 0.0, 1.0);
    return std::clamp(upperGammaFraction(a, x), 0.0, 1.0);
}

double chiSquarePValue(double statistic, int degrees) {
    return upperGammaRatio(degrees / 2.0, statistic / 2);
}

std::vector<double> holmAdjusted(const std::vector<double>& pValues) {
    std::vector<std::size_t> order(pValues.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t i, std::size_t j) { return pValues[i] < pValues[j]; });
    std::vector<double> adjusted(pValues.size());
    double floor = 0;
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        const double scaled = double(order.size() - rank) * pValues[order[rank]];
        floor = std::max(floor, std::min(1.0, scaled));
        adjusted[order[rank]] = floor;
    }
    return adjusted;
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
