#pragma once

#include <QString>
#include <optional>

#include "cli/console.h"
#include "import/past_results.h"

namespace k4 {

class FolderOpener;

// Reads the file of past results at `file` through `folders`, showing progress on a terminal.
// Where it cannot be read, no column holds its results, a line is bad or it holds no result,
// says so on the console and returns none.
std::optional<PastResults> readPastResultsInput(const QString& file, Console& console,
                                                FolderOpener& folders);

// The separator between two sentences: none in Japanese, a space in English.
QString sentenceGap(const Console& console);

}  // namespace k4
