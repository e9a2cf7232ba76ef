#include <windows.h>

#include "platform/terminal.h"

namespace k4 {

// A console answers GetConsoleMode; a pipe, a file or the NUL device does not.
bool standardErrorIsTerminal() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

}  // namespace k4
