#include "data/candidate_table.h"

namespace k4 {

QStringList CandidateTable::fileLines(const QString& appended) const {
    QStringList lines;
    lines.reserve(kSlotCount + 1);
    for (int n = 1; n <= kSlotCount; ++n)
        if (!slots_[n].isEmpty()) lines.append(slots_[n]);
    lines.append(appended);
    return lines;
}

}  // namespace k4
