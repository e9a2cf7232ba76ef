#pragma once

#include <QString>

#include "import/past_import.h"
#include "import/past_results.h"
#include "platform/language.h"

namespace k4 {

// The texts of an import of past results, as both the command line and the window say them.

// Why a line of a file of past results was refused, quoting it with shownText().
QString badLineText(const BadLine& bad, Language language);

// That `more` bad lines were found beyond the ones listed.
QString moreBadLinesText(qsizetype more, Language language);

// That an import left the data folder as it was.
QString nothingWrittenText(Language language);

// That the header line was skipped, naming its line.
QString headingSkippedText(const Heading& heading, Language language);

// How a file was read: which column (or item) holds the round and which the result, the first
// and the last round, how many results and in which order the file lists them:
// "回号は 1 列目「回号」、結果は 3 列目「当せん番号」。第1回〜第7054回、7054
// 件、新しい順のファイル".
QString readingSummaryText(const PastResults& read, Language language);

// Why no column of the file could be taken for the results, naming the columns looked at.
QString unclearColumnsText(const UnclearColumns& unclear, const std::optional<Heading>& heading,
                           Language language);

// Why a file read cannot be imported or backtested, a sentence a line: no column holds the
// results, the bad lines ("3 行目: …", then how many more), no result at all. Empty when it can.
QStringList readingProblems(const PastResults& read, Language language);

// Why an import plan writes nothing (a round that disagrees, missing rounds, a file without
// rounds for a folder that holds results, nothing newer); empty for a plan that writes.
QString planRefusalText(const ImportPlan& plan, Language language);

// The rounds `first` to `last`, "第 1 回〜第 20 回".
QString roundsText(qint64 first, qint64 last, Language language);

// That the history file keeps only the newest results of an import of `registered` results;
// empty for one it holds whole.
QString historyKeepsNewestText(qsizetype registered, Language language);

}  // namespace k4
