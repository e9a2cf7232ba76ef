#pragma once

#include "cli/console.h"
#include "cli/tool_arguments.h"

namespace k4 {

class FolderOpener;

// Builds the three data files in the request's folder from a file of past results, as
// registering every result by hand from the initial files would have left them. Writes nothing
// when a line is bad or, without --force, when the folder already holds one of the files; the
// three files are committed together in the folder `folders` opens. Returns the exit status.
int runImport(const ImportRequest& request, Console& console, FolderOpener& folders);

}  // namespace k4
