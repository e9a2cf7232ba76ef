#pragma once

#include "ui/program_start.h"

class QCoreApplication;

namespace k4 {

// Whether the command line asks for the help or the version. Those are answered before the
// window system starts, so that they work without a display.
bool asksForHelpOrVersion(int argc, char* argv[]);

// Prints the help or the version when asked and ends the process; refuses any argument other
// than the program's options and Qt's own (which QApplication has taken out already) and ends
// the process with status 1. Returns the options that choose the first window otherwise.
StartOptions readCommandLine(const QCoreApplication& application);

}  // namespace k4
