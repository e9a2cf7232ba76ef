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

// The rounds of the imported results, "第 1 回〜第 20 回".
QString importedRoundsText(const PastImport& imported, Language language);

// The round the main window shows next after an import.
qint64 nextRoundAfter(const PastImport& imported);

// That the history file keeps only the newest results of an import of more than it holds;
// empty for an import it holds whole.
QString historyKeepsNewestText(const PastImport& imported, Language language);

}  // namespace k4
