#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

#include "data/csv_rows.h"
#include "data/data_files_state.h"
#include "platform/language.h"

namespace k4 {

// The real prizes of the rounds, kept in the prize file (haitou4.csv): one row per round with a
// known result, oldest first, each amount in yen per unit as the lottery published it, or none
// where it is not known or was never sold (a round drawn with four equal digits has no box or
// set prize). It also keeps the results older than the history file holds.

struct RoundPrizes {
    qint32 round = 0;
    QString result;  // four digits
    std::optional<qint64> straight;
    std::optional<qint64> box;
    std::optional<qint64> setStraight;
    std::optional<qint64> setBox;

    bool operator==(const RoundPrizes&) const = default;
};

// The kept rows by round.
using PrizeTable = std::map<qint32, RoundPrizes>;

// An amount is a whole number of yen below ten billion, so that any sum of a book's prizes
// fits a 64-bit integer.
inline constexpr qint64 kLargestPrizeYen = 9'999'999'999;

// The prize file's first line.
QString prizeFileHeader();

struct PrizeFileReading {
    PrizeTable prizes;                  // empty when there is a problem
    std::optional<RowProblem> problem;  // the first row that is not a prize row
};

// The rows of a prize file's bytes, as the program writes them or as a spreadsheet saves them
// again (UTF-8, LF, quoted cells, a result without its leading zeros); or the first bad row: a
// wrong header, a round not a number from 1 to the last round, not above the row before it, a
// result not of four digits, an amount not a whole number of yen.
PrizeFileReading readPrizeFile(const QByteArray& bytes);

// The same for the folder's prize file as a command read it: no rows where there is none.
PrizeFileReading prizesIn(const DataFilesState& state);

// Why `bytes` are not a prize file, as a restore shows it; empty when they are one.
QString prizeFileProblem(const QByteArray& bytes);

// The lines of a prize file holding `prizes`, the header first (see DataFiles::commit).
QStringList prizeFileLines(const PrizeTable& prizes);

// Where prizes offered for adding disagree with the kept ones.
enum class PrizeColumn { Result, Straight, Box, SetStraight, SetBox };

struct PrizeConflict {
    qint32 round = 0;
    PrizeColumn column = PrizeColumn::Result;
    QString kept;     // the result's four digits, or the amount in yen as plain digits
    QString offered;  // the same for the offered row

    // "第7054回のボックスの当せん金が合いません (記録済み 37,500 円、追加分 38,000 円)。"
    QString message(Language language) const;
};

struct PrizeMerge {
    PrizeTable prizes;  // the kept rows with the offered added; kept if refused
    std::vector<qint32> roundsWithNewAmounts;  // ascending: each round that gained an amount
    qsizetype newRounds = 0;                   // rows for rounds the kept table lacked
    std::optional<PrizeConflict> conflict;     // the first disagreement: nothing is added

    // Whether the prize file is to be written again.
    bool changes() const { return !conflict && (newRounds > 0 || !roundsWithNewAmounts.empty()); }
};

// Adds `offered` (from an import or entered by hand) to the `kept` rows: a round not kept comes
// in whole; for a kept round, an amount fills an empty cell, an empty cell never clears a kept
// amount, and an amount or a result that differs from the kept one refuses the whole merge.
PrizeMerge mergePrizes(const PrizeTable& kept, const PrizeTable& offered);

}  // namespace k4
