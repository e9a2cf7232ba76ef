#include <QDir>

#include "platform/program_launcher.h"

namespace k4 {

// Explorer opens a folder in a window of its own and any other file with the program the
// user's file associations give it, without a shell in between.
Command desktopOpenCommand(const QString& path) {
    return {QStringLiteral("explorer.exe"), {QDir::toNativeSeparators(path)}};
}

}  // namespace k4
