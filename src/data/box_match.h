#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>
#include <vector>

namespace k4 {

// A box ticket names four digits and wins on any draw of the same digits in any order.

// Whether `a` and `b` are the same box: the same characters, each as many times, in any order.
// A draw result wins on a box ticket of the same box, and registering a result moves the
// candidate of its box to the end of the table.
bool isSameBox(QStringView a, QStringView b);

// Whether `result` is a draw of four digits that wins on a box ticket of `combination`.
bool isBoxMatch(QStringView result, QStringView combination);

// The box of a text of at most four characters as one number: its characters sorted and packed.
// Two texts of the same length are the same box exactly when their keys are equal. Empty for a
// longer text.
std::optional<quint64> shortBoxKey(QStringView text);

// How many box combinations of four digits there are.
inline constexpr int kBoxCombinations = 715;

// Every box combination of four digits, each written with its digits in ascending order, in
// ascending order: 0000, 0001, …, 9999.
const std::vector<QString>& boxCombinations();

// The box of four digits as the number its digits make in ascending order (0419 -> 149): the
// same number for every draw of the box, below kPossibleDraws.
int boxNumber(QStringView fourDigits);

// The number of draws of four digits (of kPossibleDraws) that are a box match of `combination`:
// its distinct arrangements (24 for four different digits, 12 for one repeated digit). A
// combination that is not four digits 0 to 9 can never match: 0.
int boxArrangements(QStringView combination);

// The chance that a fair draw is a box match of `combination`: its arrangements over the
// possible draws.
double boxProbability(QStringView combination);

// The money of a box ticket. The lottery returns about 45% of its sales as prizes. Were each of
// the kPossibleDraws numbers bought once at 200 yen, a draw's winners would share 45% of
// 10,000 × 200 yen, 900,000 yen; a box ticket wins on every arrangement of its digits, so its
// theoretical prize is 900,000 yen over its arrangements: 37,500 yen for four different digits,
// 75,000 for one pair, 150,000 for two pairs, 225,000 for a triple. Four equal digits have one
// arrangement and are not sold as a box. A round's real prize follows its own sales and winners.
inline constexpr qint64 kBoxTicketYen = 200;
inline constexpr double kTheoreticalPayout = 0.45;
inline constexpr qint64 kTheoreticalPrizePool = 900'000;

// Whether `combination` can be bought as a box ticket: four digits, not all the same.
bool isBoxTicket(QStringView combination);

// The theoretical prize in yen of a winning box ticket of `combination`; 0 for a combination that
// cannot be bought as a box.
qint64 boxPrizeYen(QStringView combination);

}  // namespace k4
