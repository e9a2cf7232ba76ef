#pragma once

namespace k4 {

// Whether the standard error stream is a terminal (a console window on Windows), where a
// progress line that rewrites itself can be shown. Each platform has its own source file.
bool standardErrorIsTerminal();

}  // namespace k4
