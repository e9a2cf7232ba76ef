#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include "data/candidate_table.h"
#include "data/result_history.h"

namespace k4 {

// 予想 reads at most this many lines of the history file, newest first, as it always has; of
// them the rules use the newest kHistorySlotsRead and the report lists the newest 100, so that
// the rest of a long file is never read.
inline constexpr qsizetype kHistoryLookback = 1000;
// The newest results the rules look at: results 2 to 73 and the one after each for the
// first-digit count, the ninth for one of its digits. A caller that predicts many times, as
// the backtest does, need pass no more.
inline constexpr qsizetype kHistorySlotsRead = 74;

// The candidate table is ordered by the last draw that matched each combination. The prediction
// lists only combinations of these slots: never those that have waited longest nor the ones
// drawn most recently.
inline constexpr int kFirstPredictableSlot = 231;
inline constexpr int kLastPredictableSlot = 500;
// So no prediction lists more combinations than this.
inline constexpr int kMostPredicted = kLastPredictableSlot - kFirstPredictableSlot + 1;
// The count N of the main window's count box when the program starts, and the backtest's.
inline constexpr int kStartCount = 10;

// The digit to favour: the one most often drawn first right after a draw that began like the
// newest result, over history slots 2 to 73. Ties go to the lowest digit; no match gives "0".
QString favouredDigit(const ResultHistory& history);

// Character 4 of the ninth-newest result; empty when that result is missing or shorter.
QString anchorDigit(const ResultHistory& history);

// How a candidate is listed: its characters 3, 1, 2 and 4, in that order; missing ones are
// left out.
QString displayForm(QStringView candidate);

// The predicted combinations, in table order and display form. The candidates of slots 231 to
// 500 that hold the favoured digit, have a digit sum of at most 25 and hold the anchor digit
// survive; listing stops once `count` entries are listed, so a count that the number of entries
// never equals (0, negative, a fraction, more than survive) lists every survivor.
QStringList predict(CandidateTable candidates, const ResultHistory& history, double count);

}  // namespace k4
