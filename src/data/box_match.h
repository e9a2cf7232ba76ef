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

// Whether `combination` can be bought as a box ticket: four digits, not all the same.
bool isBoxTicket(QStringView combination);

}  // namespace k4
