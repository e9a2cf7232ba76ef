#include "data/box_match.h"

#include <QVarLengthArray>
#include <algorithm>
#include <array>

#include "data/digits.h"

namespace k4 {
namespace {

// A key packs up to the four characters of a result.
constexpr qsizetype kShortText = kPlaces;
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

std::array<int, kDigitValues> digitCounts(QStringView fourDigits) {
    std::array<int, kDigitValues> counts{};
    for (const QChar c : fourDigits) ++counts[digitValue(c)];
    return counts;
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

bool isBoxMatch(QStringView result, QStringView combination) {
    return isFourDigits(result) && isSameBox(result, combination);
}

const std::vector<QString>& boxCombinations() {
    static const std::vector<QString> boxes = [] {
        std::vector<QString> all;
        all.reserve(kBoxCombinations);
        for (char16_t a = u'0'; a <= u'9'; ++a)
            for (char16_t b = a; b <= u'9'; ++b)
                for (char16_t c = b; c <= u'9'; ++c)
                    for (char16_t d = c; d <= u'9'; ++d) {
                        const char16_t digits[] = {a, b, c, d};
                        all.push_back(QString::fromUtf16(digits, kPlaces));
                    }
        return all;
    }();
    return boxes;
}

int boxNumber(QStringView fourDigits) {
    std::array<int, kPlaces> digits{};
    for (int place = 0; place < kPlaces; ++place) digits[place] = digitValue(fourDigits[place]);
    std::sort(digits.begin(), digits.end());
    int number = 0;
    for (const int digit : digits) number = number * kDigitValues + digit;
    return number;
}

int boxArrangements(QStringView combination) {
    if (!isFourDigits(combination)) return 0;
    int arrangements = 24;  // 4!, divided by the arrangements of each repeated digit
    for (const int count : digitCounts(combination))
        for (int k = 2; k <= count; ++k) arrangements /= k;
    return arrangements;
}

double boxProbability(QStringView combination) {
    return double(boxArrangements(combination)) / kPossibleDraws;
}

bool isBoxTicket(QStringView combination) {
    return boxArrangements(combination) > 1;
}

}  // namespace k4
