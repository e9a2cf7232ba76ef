#include "data/initial_candidates.h"

#include <algorithm>

#include "data/candidate_table.h"

namespace k4 {
namespace {

constexpr int kLargestNumber = 9999;
constexpr int kDigits = 4;
// Two pairs, three or four of a kind are left out of the table.
constexpr int kFewestDifferentDigits = 3;

}  // namespace

QStringList initialCandidateLines() {
    QStringList lines;
    lines.reserve(CandidateTable::kSlotCount);
    for (int number = 0; number <= kLargestNumber; ++number) {
        const QString digits = QStringLiteral("%1").arg(number, kDigits, 10, QLatin1Char('0'));
        if (!std::is_sorted(digits.begin(), digits.end())) continue;
        QString distinct = digits;
        distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
        if (distinct.size() >= kFewestDifferentDigits) lines.append(digits);
    }
    return lines;
}

}  // namespace k4
