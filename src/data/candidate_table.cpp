#include "data/candidate_table.h"

namespace k4 {

std::optional<CandidateTable> CandidateTable::fromLines(const QStringList& lines) {
    if (lines.size() < kSlotCount) return std::nullopt;
    CandidateTable table;
    for (int n = 1; n <= kSlotCount; ++n) table.slots_[n] = lines.at(n - 1);
    return table;
}

QStringList CandidateTable::fileLines(const QString& appended) const {
    QStringList lines;
    lines.reserve(kSlotCount + 1);
    for (int n = 1; n <= kSlotCount; ++n)
        if (!slots_[n].isEmpty()) lines.append(slots_[n]);
    lines.append(appended);
    return lines;
}

}  // namespace k4
