#include "platform/program_launcher.h"

#include <QProcess>

namespace k4 {

bool ProcessLauncher::startDetached(const Command& command) {
    return QProcess::startDetached(command.program, command.arguments);
}

Command textEditorCommand(const QString& fileName) {
#ifdef Q_OS_WIN
    return {QStringLiteral("notepad.exe"), {fileName}};
#else
    return {QStringLiteral("xdg-open"), {fileName}};
#endif
}

}  // namespace k4
