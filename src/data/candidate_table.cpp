#include "data/candidate_table.h"

#include <algorithm>

#include "data/box_match.h"

namespace k4 {

std::optional<CandidateTable> CandidateTable::fromLines(const QStringList& lines) {
    if (lines.size() < kSlotCount) return std::nullopt;
    CandidateTable table;
    for (int n = 1; n <= kSlotCount; ++n) table.setSlot(n, lines.at(n - 1));
    return table;
}

void CandidateTable::setSlot(int n, const QString& text) {
    slots_.at(n) = text;
    keys_.at(n) = shortBoxKey(text).value_or(0);
}

std::optional<int> CandidateTable::slotOfBox(QStringView text) const {
    const std::optional<quint64> key = shortBoxKey(text);
    for (int n = 1; n <= kSlotCount; ++n) {
        if (slots_[n].size() != text.size()) continue;
        if (key ? keys_[n] == *key : isSameBox(slots_[n], text)) return n;
    }
    return std::nullopt;
}

void CandidateTable::moveToEnd(int n, const QString& text) {
    std::rotate(slots_.begin() + n, slots_.begin() + n + 1, slots_.end());
    std::rotate(keys_.begin() + n, keys_.begin() + n + 1, keys_.end());
    setSlot(kSlotCount, text);
}

QStringList CandidateTable::fileLines() const {
    QStringList lines;
    lines.reserve(kSlotCount);
    for (int n = 1; n <= kSlotCount; ++n)
        if (!slots_[n].isEmpty()) lines.append(slots_[n]);
    return lines;
}

}  // namespace k4
