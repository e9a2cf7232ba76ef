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

// That the header line was skipped, naming its line.
QString headingSkippedText(const Heading& heading, Language language);

// How a file was read: which column (or item) holds the round and which the result, the first
// and the last round, how many results and in which order the file lists them:
// "回号は 1 列目「回号」、結果は 3 列目「当せん番号」。第1回〜第7054回、7054
// 件、新しい順のファイル".
QString readingSummaryText(const PastResults& read, Language language);

// Which columns were taken for the prizes ("当せん金は 8 列目「ストレート」、9 列目「ボックス」…
// から読みます。"), or that a file without round numbers does not have them read; empty for a
// file without prize columns.
QString prizeColumnsText(const PastResults& read, Language language);

// Why no column of the file could be taken for the results, naming the columns looked at.
QString unclearColumnsText(const UnclearColumns& unclear, const std::optional<Heading>& heading,
                           Language language);

// One reason why a file read cannot be imported or backtested.
struct ReadingProblem {
    int line = 0;  // the bad line it is about, from 1; 0 for one about the whole file
    QString text;
};

// Why a file read cannot be imported or backtested: it is not text, no column holds the results,
// the bad lines (then how many more), no result at all. Empty when it can.
QList<ReadingProblem> pastResultsProblems(const PastResults& read, Language language);

// The same a sentence a line, a bad line's named in front of it: "3 行目: …".
QStringList readingProblems(const PastResults& read, Language language);

// That the lines around the table (a title, notes, a footer) were skipped, naming them; empty
// when there were none.
QString outsideLinesText(const PastResults& read, Language language);

// How a file read reads, a sentence a line: the summary (or, for one that cannot be imported,
// the first reason), the prize columns, the header line skipped and the lines around the table
// skipped.
QStringList readingLines(const PastResults& read, Language language);

// Why an import plan writes nothing (a round that disagrees, missing rounds, a file without
// rounds for a folder that holds results, nothing newer); empty for a plan that writes.
QString planRefusalText(const ImportPlan& plan, Language language);

// That the history file keeps only the newest results of an import of `registered` results;
// empty for one it holds whole.
QString historyKeepsNewestText(qsizetype registered, Language language);

}  // namespace k4
