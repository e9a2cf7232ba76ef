#include "predict/prediction.h"

#include <array>
#include <cstdint>

#include "data/digits.h"

namespace k4 {
namespace {

// The results compared with the newest one for the lead-digit statistic.
constexpr int kFirstCompared = 2;
constexpr int kLastCompared = 73;
static_assert(kLastCompared + 1 <= kHistorySlotsRead);

// The anchor digit is one character of one older result.
constexpr int kAnchorResult = 9;
constexpr int kAnchorCharacter = 4;
static_assert(kAnchorResult <= kHistorySlotsRead);

// Only the first four characters of a candidate take part in matching, summing and display.
constexpr double kLargestDigitSum = 25;
constexpr std::array kDisplayOrder = {3, 1, 2, 4};

// Character p (from 1) of a text, or the empty text when it is shorter.
QStringView character(QStringView text, int p) {
    return p <= text.size() ? text.sliced(p - 1, 1) : QStringView();
}

// The value of a digit; anything else, and the empty text, counts as 0.
int digitOrZero(QStringView c) {
    return c.size() == 1 && isDecimalDigit(c[0]) ? digitValue(c[0]) : 0;
}

// Whether one of the first four characters equals `wanted`. An empty `wanted` matches the
// missing characters of a candidate shorter than four.
bool holds(QStringView candidate, QStringView wanted) {
    for (int p = 1; p <= kPlaces; ++p)
        if (character(candidate, p) == wanted) return true;
    return false;
}

double digitSum(QStringView candidate) {
    double sum = 0;
    for (int p = 1; p <= kPlaces; ++p) sum += digitOrZero(character(candidate, p));
    return sum;
}

void blank(CandidateTable& table, int first, int last) {
    for (int n = first; n <= last; ++n) table.clearSlot(n);
}

// Blanks every candidate for which `keep` is false; blank slots stay blank.
template <typename Keep>
void keepOnly(CandidateTable& table, Keep keep) {
    for (int n = 1; n <= CandidateTable::kSlotCount; ++n) {
        const QString& candidate = table.slot(n);
        if (!candidate.isEmpty() && !keep(QStringView(candidate))) table.clearSlot(n);
    }
}

}  // namespace

QString favouredDigit(const ResultHistory& history) {
    // An empty newest result matches every missing one, so an empty history counts 72 zeros.
    const QString newest = history.slot(1);
    const QStringView lead = character(newest, 1);
    std::array<std::int32_t, 10> leadDigitCounts{};
    for (int l = kFirstCompared; l <= kLastCompared; ++l) {
        if (character(history.slot(l), 1) == lead)
            ++leadDigitCounts[digitOrZero(character(history.slot(l + 1), 1))];
    }
    int bestDigit = 0;
    std::int32_t bestCount = 0;
    for (int d = 0; d <= 9; ++d) {
        if (leadDigitCounts[d] > bestCount) {
            bestDigit = d;
            bestCount = leadDigitCounts[d];
        }
    }
    return QString(QChar(u'0' + bestDigit));
}

QString anchorDigit(const ResultHistory& history) {
    return character(history.slot(kAnchorResult), kAnchorCharacter).toString();
}

QString displayForm(QStringView candidate) {
    QString form;
    for (const int p : kDisplayOrder) form += character(candidate, p);
    return form;
}

QStringList predict(CandidateTable candidates, const ResultHistory& history, double count) {
    blank(candidates, 1, kFirstPredictableSlot - 1);
    const QString favoured = favouredDigit(history);
    keepOnly(candidates, [&](QStringView c) { return holds(c, favoured); });
    keepOnly(candidates, [](QStringView c) { return digitSum(c) <= kLargestDigitSum; });
    const QString anchor = anchorDigit(history);
    keepOnly(candidates, [&](QStringView c) { return holds(c, anchor); });
    blank(candidates, kLastPredictableSlot + 1, CandidateTable::kSlotCount);

    QStringList listed;
    std::int32_t listedCount = 0;
    for (int n = 1; n <= CandidateTable::kSlotCount; ++n) {
        const QString& candidate = candidates.slot(n);
        if (candidate.isEmpty()) continue;
        listed.append(displayForm(candidate));
        ++listedCount;
        if (count == listedCount) break;
    }
    return listed;
}

}  // namespace k4
