#pragma once

#include <QString>
#include <vector>

namespace k4 {

// The two-sided 95% point of the standard normal law.
inline constexpr double kNormalQuantile95 = 1.959963984540054;

// The chance that a fair draw of four digits is a box match of `combination`: the number of
// its distinct arrangements over 10000 (24 for four different digits, 12 for one repeated
// digit). A combination that is not four digits 0 to 9 can never match: 0.
double boxProbability(const QString& combination);

// Whether `result` is a draw of four digits that wins on a box ticket of `combination`.
bool isBoxMatch(const QString& result, const QString& combination);

// A 95% confidence interval for a proportion.
struct Interval {
    double low;
    double high;
};

// Wilson's score interval for `hits` successes in `trials` trials, at 95%.
Interval wilsonInterval(int hits, int trials);

// P(X >= hits) where X is the number of successes of independent trials with the given
// chances of success (a Poisson binomial distribution), computed exactly.
double upperTailProbability(const std::vector<double>& chances, int hits);

}  // namespace k4
