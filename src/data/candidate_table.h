#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <optional>

namespace k4 {

// The candidate box combinations, slots 1 to 570, slot n holding line n of the candidate file,
// least recently matched first. An empty slot is a combination taken out for the current
// command; empty slots are never written. The table keeps the box of every slot, so that
// finding a result's combination, which every registration does, is a quick scan.
class CandidateTable {
public:
    static constexpr int kSlotCount = 570;

    // The table that reading a candidate file of `lines` gives: slot n holds line n, and lines
    // past the last slot are not read. Empty when there are fewer lines than slots.
    static std::optional<CandidateTable> fromLines(const QStringList& lines);

    const QString& slot(int n) const { return slots_.at(n); }
    void setSlot(int n, const QString& text);
    void clearSlot(int n) { setSlot(n, {}); }

    // The lowest slot holding an arrangement of `text` (the same box), if any.
    std::optional<int> slotOfBox(QStringView text) const;

    // Takes slot n out: the slots after it move up by one and `text` fills the last slot.
    void moveToEnd(int n, const QString& text);

    // The lines of a rewritten candidate file: the non-empty slots in slot order.
    QStringList fileLines() const;

    bool operator==(const CandidateTable&) const = default;

private:
    std::array<QString, kSlotCount + 1> slots_;   // slot 0 holds nothing
    std::array<quint64, kSlotCount + 1> keys_{};  // shortBoxKey of each slot; 0 when longer
};

}  // namespace k4
