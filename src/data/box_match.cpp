#include "data/box_match.h"

#include <QVarLengthArray>
#include <algorithm>
#include <array>

namespace k4 {
namespace {

constexpr qsizetype kShortText = 4;
constexpr int kBitsPerCharacter = 16;

// Room for a result and a candidate without touching the heap; longer texts still compare.
constexpr qsizetype kInlineCharacters = 8;
using SortedCharacters = QVarLengthArray<char16_t, kInlineCharacters>;

SortedCharacters sortedCharacters(QStringView text) {
    SortedCharacters sorted(text.size());
    std::transform(text.begin(), text.end(), sorted.begin(), [](QChar c) { return c.unicode(); });
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

// A sorting network for four values.
void sortFour(std::array<char16_t, kShortText>& c) {
    const auto order = [&c](int i, int j) {
        if (c[j] < c[i]) std::swap(c[i], c[j]);
    };
    order(0, 1);
    order(2, 3);
    order(0, 2);
    order(1, 3);
    order(1, 2);
}

}  // namespace

std::optional<quint64> shortBoxKey(QStringView text) {
    if (text.size() > kShortText) return std::nullopt;
    // A shorter text is padded with zeros, the same number for texts of the same length.
    std::array<char16_t, kShortText> sorted{};
    std::transform(text.begin(), text.end(), sorted.begin(), [](QChar c) { return c.unicode(); });
    sortFour(sorted);
    quint64 key = 0;
    for (const char16_t c : sorted) key = key << kBitsPerCharacter | c;
    return key;
}

bool isSameBox(QStringView a, QStringView b) {
    if (a.size() != b.size()) return false;
    if (const std::optional<quint64> key = shortBoxKey(a)) return *key == *shortBoxKey(b);
    return sortedCharacters(a) == sortedCharacters(b);
}

}  // namespace k4
