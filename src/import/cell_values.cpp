#include "import/cell_values.h"

#include <QRegularExpression>
#include <cstdint>
#include <limits>

#include "data/digits.h"
#include "data/prize_file.h"
#include "register/result_input.h"

namespace k4 {
namespace {

// The largest round number a file may give: the counter holds a round as a signed 32-bit number.
constexpr qint64 kLargestRoundNumber = std::numeric_limits<std::int32_t>::max();
// A date's year lies between these; any other eight digits are a number.
constexpr int kEarliestYear = 1900;
constexpr int kLatestYear = 2199;

// The cell with full-width digits as ASCII digits.
QString halfWidthDigits(QStringView cell) {
    QString text = cell.toString();
    for (QChar& c : text) c = halfWidthDigit(c);
    return text;
}

bool allDigits(QStringView text) {
    if (text.isEmpty()) return false;
    for (const QChar c : text)
        if (!isDecimalDigit(halfWidthDigit(c))) return false;
    return true;
}

// The digits of 第…回, spaces allowed around them.
QStringView markedDigits(QStringView cell) {
    if (!cell.startsWith(u'第') || !cell.endsWith(u'回')) return {};
    return cell.sliced(1, cell.size() - 2).trimmed();
}

std::optional<QDate> validDate(int year, int month, int day) {
    if (year < kEarliestYear || year > kLatestYear || !QDate::isValid(year, month, day))
        return std::nullopt;
    return QDate(year, month, day);
}

// What a results file writes in a prize cell where there was no prize: no winner, or a round of
// four equal digits, for which no box or set ticket is sold.
const QStringList kNoPrize = {
    QStringLiteral("該当なし"), QStringLiteral("該当者なし"), QStringLiteral("なし"),
    QStringLiteral("-"),        QStringLiteral("―"),          QStringLiteral("—"),
};

}  // namespace

std::optional<qint64> roundIn(QStringView cell) {
    QStringView digits = isMarkedRound(cell) ? markedDigits(cell) : cell;
    if (!allDigits(digits)) return std::nullopt;
    qint64 round = 0;
    for (const QChar c : digits) {
        round = round * 10 + digitValue(halfWidthDigit(c));
        if (round > kLargestRoundNumber) return std::nullopt;
    }
    return round >= 1 ? std::optional(round) : std::nullopt;
}

bool isMarkedRound(QStringView cell) {
    return allDigits(markedDigits(cell));
}

bool isWholeNumber(QStringView cell) {
    return allDigits(cell) && !dateIn(cell);
}

std::optional<QDate> dateIn(QStringView cell) {
    static const QRegularExpression separated(QStringLiteral(
        R"(^(\d{4})\s*[/.\-年]\s*(\d{1,2})\s*[/.\-月]\s*(\d{1,2})\s*日?\s*([(（][^)）]*[)）])?$)"));
    const QString text = halfWidthDigits(cell);
    if (text.size() == 8 && allDigits(text))
        return validDate(text.first(4).toInt(), text.sliced(4, 2).toInt(), text.sliced(6).toInt());
    const QRegularExpressionMatch match = separated.match(text);
    if (!match.hasMatch()) return std::nullopt;
    return validDate(match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).toInt());
}

std::optional<QString> resultIn(QStringView cell) {
    return storedResult(cell.toString());
}

std::optional<QString> paddedResultIn(QStringView cell) {
    const QString digits = halfWidthDigits(cell);
    if (!allDigits(digits) || digits.size() > kPlaces) return std::nullopt;
    return digits.rightJustified(kPlaces, u'0');
}

std::optional<qint64> prizeIn(QStringView cell) {
    // Full-width digits, commas and yen signs as their ASCII forms.
    const QString text = cell.toString().normalized(QString::NormalizationForm_KC).trimmed();
    if (text.isEmpty() || kNoPrize.contains(text)) return 0;
    static const QRegularExpression amount(
        QStringLiteral(R"(^[¥\\]?\s*(\d{1,3}(?:,\d{3})+|\d+)\s*円?$)"));
    const QRegularExpressionMatch match = amount.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const QString digits = match.captured(1).remove(u',');
    if (digits.size() > 10) return std::nullopt;
    const qint64 yen = digits.toLongLong();
    return yen <= kLargestPrizeYen ? std::optional(yen) : std::nullopt;
}

}  // namespace k4
