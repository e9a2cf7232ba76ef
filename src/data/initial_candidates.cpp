#include "data/initial_candidates.h"

#include <QSet>

#include "data/box_match.h"
#include "data/candidate_table.h"

namespace k4 {
namespace {

// Two pairs, three or four of a kind are left out of the table.
constexpr int kFewestDifferentDigits = 3;

}  // namespace

QStringList initialCandidateLines() {
    QStringList lines;
    lines.reserve(CandidateTable::kSlotCount);
    for (const QString& box : boxCombinations())
        if (QSet<QChar>(box.begin(), box.end()).size() >= kFewestDifferentDigits) lines.append(box);
    return lines;
}

}  // namespace k4
