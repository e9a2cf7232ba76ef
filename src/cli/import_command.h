#pragma once

#include "cli/console.h"
#include "cli/tool_arguments.h"

namespace k4 {

class FolderOpener;

// Builds the three data files in the request's folder from a file of past results, as
// registering every result by hand from the initial files would have left them, through the
// import workflow the import page shares: a step the page asks about is agreed to unasked where
// it adds rounds, and only with --force where it replaces the folder's files. Writes nothing
// when the file or the folder is refused. Returns the exit status.
int runImport(const ImportRequest& request, Console& console, FolderOpener& folders);

}  // namespace k4
