#pragma once

#include "cli/console.h"
#include "cli/tool_arguments.h"

namespace k4 {

class FolderOpener;

// Backtests the prediction on the history of the request's folder and prints the summary;
// writes the CSV and the chart when asked, each whole or not at all, in the folders `folders`
// opens. Returns the exit status.
int runBacktestCommand(const BacktestRequest& request, Console& console, FolderOpener& folders);

}  // namespace k4
