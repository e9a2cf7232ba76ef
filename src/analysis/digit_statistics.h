#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "data/candidate_table.h"
#include "data/digits.h"

namespace k4 {

// The chi-square test of a fair draw for one place: each digit equally likely.
struct PlaceTest {
    double statistic = 0;  // with kDegreesOfFreedom degrees of freedom
    double pValue = 1;
    double holmPValue = 1;  // adjusted with Holm's method for the four places
};

// How often a box combination was drawn, against what chance gives.
struct BoxCount {
    QString combination;  // its digits in ascending order
    int draws = 0;
    double expected = 0;
};

struct DigitStatistics {
    int results = 0;                                              // the four-digit results counted
    std::array<std::array<int, kDigitValues>, kPlaces> counts{};  // [place][digit]
    std::array<PlaceTest, kPlaces> tests;
    std::vector<BoxCount> mostDrawn;   // the most drawn first; ties: the less likely first
    std::vector<BoxCount> leastDrawn;  // the least drawn first; ties: the more likely first
    int neverDrawn = 0;                // how many of the box combinations never came
};

// Below this adjusted p-value a place departs from chance.
inline constexpr double kSignificance = 0.05;
// A place's chi-square test compares the counts of its ten digits.
inline constexpr int kDegreesOfFreedom = kDigitValues - 1;

// The digits of the newest `limit` history lines that are four digits (`history` newest first):
// their counts by place and digit with a chi-square test for each place, and the box
// combinations drawn most and least often (`listed` of each) among all of them.
DigitStatistics digitStatistics(const QStringList& history, qsizetype limit, int listed);

// A combination of the candidate table with how long it has waited.
struct WaitingCombination {
    int slot = 0;
    QString combination;  // as the table holds it
    // Rounds drawn since it last came, as a box, in the history; none when the history does
    // not hold it.
    std::optional<int> roundsWaited;
};

// The combinations of the lowest `count` slots of the table, the longest waiting ones.
std::vector<WaitingCombination> longestWaiting(const CandidateTable& candidates,
                                               const QStringList& history, int count);

}  // namespace k4
