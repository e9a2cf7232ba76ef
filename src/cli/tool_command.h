#pragma once

#include "cli/console.h"
#include "cli/tool_arguments.h"

namespace k4 {

class FolderOpener;

// Carries out a request of the command line, after recovering the data folder from a commit a
// crash cut off, on the folders `folders` opens. Returns the exit status.
int runTool(const ToolRequest& request, Console& console, FolderOpener& folders);

}  // namespace k4
