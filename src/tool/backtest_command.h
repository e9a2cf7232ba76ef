#pragma once

#include "tool/console.h"
#include "tool/tool_arguments.h"

namespace k4 {

// Backtests the prediction on the history of the request's folder and prints the summary;
// writes the CSV and the chart when asked. Returns the exit status.
int runBacktestCommand(const BacktestRequest& request, Console& console);

}  // namespace k4
