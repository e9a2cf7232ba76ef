#include "platform/program_launcher.h"

namespace k4 {

// xdg-open ends with a non-zero status when nothing on the machine opens the file.
Command textEditorCommand(const QString& fileName) {
    return {QStringLiteral("xdg-open"), {fileName}, true};
}

}  // namespace k4
