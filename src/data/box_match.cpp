#include "data/box_match.h"

#include <QVarLengthArray>
#include <algorithm>

namespace k4 {
namespace {

// Room for a result and a candidate without touching the heap; longer texts still compare.
constexpr qsizetype kInlineCharacters = 8;
using SortedCharacters = QVarLengthArray<char16_t, kInlineCharacters>;

SortedCharacters sortedCharacters(QStringView text) {
    SortedCharacters sorted(text.size());
    std::transform(text.begin(), text.end(), sorted.begin(), [](QChar c) { return c.unicode(); });
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

}  // namespace

bool isSameBox(QStringView a, QStringView b) {
    return a.size() == b.size() && sortedCharacters(a) == sortedCharacters(b);
}

}  // namespace k4
