#pragma once

#include <QString>
#include <vector>

namespace k4 {

// The two-sided 95% point of the standard normal law.
inline constexpr double kNormalQuantile95 = 1.959963984540054;

// A 95% confidence interval for a proportion.
struct Interval {
    double low;
    double high;
};

// Wilson's score interval for `hits` successes in `trials` trials, at 95%.
Interval wilsonInterval(int hits, int trials);

// The regularized upper incomplete gamma function Q(a, x) = Γ(a, x) / Γ(a) for a > 0 and
// x >= 0: its series below x = a + 1 and its continued fraction (Lentz's method) above, as
// Numerical Recipes computes it.
double upperGammaRatio(double a, double x);

// The chance that a chi-square variable of `degrees` degrees of freedom is at least `statistic`.
double chiSquarePValue(double statistic, int degrees);

// Holm's step-down adjustment of the p-values of several tests, in the order given: the i-th
// smallest is multiplied by the number of tests minus i plus 1, kept from falling below the one
// before it and capped at 1.
std::vector<double> holmAdjusted(const std::vector<double>& pValues);

// P(X >= hits) where X is the number of successes of independent trials with the given
// chances of success (a Poisson binomial distribution), computed exactly.
double upperTailProbability(const std::vector<double>& chances, int hits);

}  // namespace k4
