#pragma once

#include "cli/console.h"
#include "cli/tool_arguments.h"

namespace k4 {

class WriteFaults;

// Carries out a request of the command line, after recovering the data folder from a commit a
// crash cut off. `faults` fails the writing steps in tests. Returns the exit status.
int runTool(const ToolRequest& request, Console& console, WriteFaults* faults = nullptr);

}  // namespace k4
