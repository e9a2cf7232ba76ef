#include "analysis/digit_statistics.h"

#include <algorithm>
#include <tuple>

#include "analysis/statistics.h"
#include "data/box_match.h"

namespace k4 {
namespace {

void testPlaces(DigitStatistics& statistics) {
    const double expected = double(statistics.results) / kDigitValues;
    std::vector<double> pValues;
    for (int place = 0; place < kPlaces; ++place) {
        PlaceTest& test = statistics.tests[place];
        test.statistic = 0;
        for (const int count : statistics.counts[place])
            test.statistic += expected > 0 ? (count - expected) * (count - expected) / expected : 0;
        test.pValue = chiSquarePValue(test.statistic, kDegreesOfFreedom);
        pValues.push_back(test.pValue);
    }
    const std::vector<double> adjusted = holmAdjusted(pValues);
    for (int place = 0; place < kPlaces; ++place)
        statistics.tests[place].holmPValue = adjusted[place];
}

void rankBoxes(DigitStatistics& statistics, const std::array<int, kPossibleDraws>& draws,
               int listed) {
    std::vector<BoxCount> boxes;
    boxes.reserve(kBoxCombinations);
    for (const QString& digits : boxCombinations())
        boxes.push_back(
            {digits, draws[digits.toInt()], statistics.results * boxProbability(digits)});
    statistics.neverDrawn =
        int(std::count_if(boxes.begin(), boxes.end(), [](const BoxCount& b) { return !b.draws; }));
    const auto most = [](const BoxCount& a, const BoxCount& b) {
        return std::tie(b.draws, a.expected, a.combination) <
               std::tie(a.draws, b.expected, b.combination);
    };
    const auto least = [](const BoxCount& a, const BoxCount& b) {
        return std::tie(a.draws, b.expected, a.combination) <
               std::tie(b.draws, a.expected, b.combination);
    };
    const auto firstOf = [&](auto order) {
        std::vector<BoxCount> sorted = boxes;
        std::sort(sorted.begin(), sorted.end(), order);
        sorted.resize(std::min<std::size_t>(sorted.size(), listed));
        return sorted;
    };
    statistics.mostDrawn = firstOf(most);
    statistics.leastDrawn = firstOf(least);
}

}  // namespace

DigitStatistics digitStatistics(const QStringList& history, qsizetype limit, int listed) {
    DigitStatistics statistics;
    std::array<int, kPossibleDraws> draws{};
    for (const QString& line : history) {
        if (statistics.results >= limit) break;
        if (!isFourDigits(line)) continue;
        ++statistics.results;
        for (int place = 0; place < kPlaces; ++place)
            ++statistics.counts[place][digitValue(line[place])];
        ++draws[boxNumber(line)];
    }
    testPlaces(statistics);
    rankBoxes(statistics, draws, listed);
    return statistics;
}

std::vector<WaitingCombination> longestWaiting(const CandidateTable& candidates,
                                               const QStringList& history, int count) {
    std::vector<WaitingCombination> waiting;
    for (int n = 1; n <= std::min(count, CandidateTable::kSlotCount); ++n) {
        WaitingCombination combination{n, candidates.slot(n), std::nullopt};
        int rounds = 0;  // empty lines never were rounds
        for (const QString& line : history) {
            if (line.isEmpty()) continue;
            if (isSameBox(line, combination.combination)) {
                combination.roundsWaited = rounds;
                break;
            }
            ++rounds;
        }
        waiting.push_back(combination);
    }
    return waiting;
}

}  // namespace k4
