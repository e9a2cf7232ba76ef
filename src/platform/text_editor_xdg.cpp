#include "platform/program_launcher.h"

namespace k4 {

Command textEditorCommand(const QString& fileName) {
    return {QStringLiteral("xdg-open"), {fileName}};
}

}  // namespace k4
