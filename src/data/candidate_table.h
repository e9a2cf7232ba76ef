#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace k4 {

// The candidate box combinations, slots 1 to 570, slot n holding line n of the candidate file,
// least recently matched first. An empty slot is a combination taken out for the current
// command; empty slots are never written.
class CandidateTable {
public:
    static constexpr int kSlotCount = 570;

    // The table that reading a candidate file of `lines` gives: slot n holds line n, and lines
    // past the last slot are not read. Empty when there are fewer lines than slots.
    static std::optional<CandidateTable> fromLines(const QStringList& lines);

    QString& slot(int n) { return slots_.at(n); }
    const QString& slot(int n) const { return slots_.at(n); }

    // The lines of a rewritten candidate file: the non-empty slots in slot order, then
    // `appended` as the last line.
    QStringList fileLines(const QString& appended) const;

private:
    std::array<QString, kSlotCount + 1> slots_;  // slot 0 holds nothing
};

}  // namespace k4
