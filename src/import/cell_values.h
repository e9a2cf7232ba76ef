#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>

namespace k4 {

// What a cell of a file of past results holds. Digits may be full width, as Japanese text often
// writes them.

// A round number: `123`, `第123回` or `第 123 回`, from 1 to the largest a round counter holds.
std::optional<qint64> roundIn(QStringView cell);
// Whether the round is written 第…回.
bool isMarkedRound(QStringView cell);
// A whole number of any size, as a round or an amount is written; a date is not one.
bool isWholeNumber(QStringView cell);

// A date in the forms results pages and spreadsheets write: 2026/08/21, 2026-8-21, 2026.08.21,
// 20260821, 2026年8月21日, each perhaps followed by the day of the week (金) or （金）.
std::optional<QDate> dateIn(QStringView cell);

// A result as the registration window stores it: four ASCII digits.
std::optional<QString> resultIn(QStringView cell);
// A result whose leading zeros a spreadsheet dropped (97 for 0097), put back: one to four digits.
std::optional<QString> paddedResultIn(QStringView cell);

// The amount of a prize cell in yen, as results files write it: 1013700, 1,013,700, 1,013,700円
// or ￥1,013,700; 0 for a cell that holds none (empty, 0, 該当なし, なし, a dash). None for
// anything else, and for an amount past the largest the prize file keeps.
std::optional<qint64> prizeIn(QStringView cell);

}  // namespace k4
