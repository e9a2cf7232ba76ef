#include "platform/program_launcher.h"

namespace k4 {

// xdg-open ends with a non-zero status when nothing on the machine opens the file.
Command desktopOpenCommand(const QString& path) {
    return {QStringLiteral("xdg-open"), {path}, true};
}

}  // namespace k4
