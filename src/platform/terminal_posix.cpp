#include <unistd.h>

#include "platform/terminal.h"

namespace k4 {

bool standardErrorIsTerminal() {
    return isatty(STDERR_FILENO) != 0;
}

}  // namespace k4
