#pragma once

#include "tool/console.h"
#include "tool/tool_arguments.h"

namespace k4 {

// Carries out a request of the command line. Returns the exit status.
int runTool(const ToolRequest& request, Console& console);

}  // namespace k4
