#pragma once

#include "cli/console.h"
#include "cli/tool_arguments.h"

namespace k4 {

class WriteFaults;

// Builds the three data files in the request's folder from a file of past results, as
// registering every result by hand from the initial files would have left them. Writes nothing
// when a line is bad or, without --force, when the folder already holds one of the files; the
// three files are committed together. `faults` fails the writing steps in tests. Returns the
// exit status.
int runImport(const ImportRequest& request, Console& console, WriteFaults* faults = nullptr);

}  // namespace k4
