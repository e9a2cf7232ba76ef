#include "platform/program_launcher.h"

namespace k4 {

Command desktopOpenCommand(const QString& path) {
    return {QStringLiteral("xdg-open"), {path}};
}

}  // namespace k4
