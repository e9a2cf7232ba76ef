#include "platform/program_launcher.h"

#include <QProcess>

namespace k4 {

bool ProcessLauncher::startDetached(const Command& command) {
    return QProcess::startDetached(command.program, command.arguments);
}

}  // namespace k4
