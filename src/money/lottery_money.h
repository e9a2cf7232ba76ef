#pragma once

#include <QStringView>
#include <QtGlobal>

namespace k4 {

// The money of the game. Money is whole yen, held in integers, never in floating point: every
// price and prize is a whole number of yen, and sums of them stay exact.
//
// The lottery returns about 45% of its sales as prizes. Were each of the kPossibleDraws numbers
// bought once at 200 yen, a draw's winners would share 45% of 10,000 × 200 yen, 900,000 yen; a box
// ticket wins on every arrangement of its digits, so its theoretical prize is 900,000 yen over its
// arrangements: 37,500 yen for four different digits, 75,000 for one pair, 150,000 for two pairs,
// 225,000 for a triple. Four equal digits have one arrangement and are not sold as a box. A
// round's real prize follows its own sales and winners.

// The price of one unit (口) of any ticket, straight, box or set, for one round.
inline constexpr qint64 kUnitYen = 200;
// The share of the sales paid out as prizes, in percent.
inline constexpr int kPayoutPercent = 45;
// What a draw's winners share were every number bought once.
inline constexpr qint64 kTheoreticalPrizePool = 900'000;

// The theoretical prize in yen of a winning box ticket of `combination`; 0 for a combination that
// cannot be bought as a box (isBoxTicket, data/box_match.h).
qint64 boxPrizeYen(QStringView combination);

}  // namespace k4
