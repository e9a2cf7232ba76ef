#include "platform/program_launcher.h"

#include <QProcess>

namespace k4 {
namespace {

// A started program watched until it ends. QProcess kills a program still running when it
// goes; this one is let go of instead, to run on as a detached one does.
class WatchedProcess final : public QProcess {
public:
    using QProcess::QProcess;

    ~WatchedProcess() override {
        disconnect();
        if (state() != NotRunning) setProcessState(NotRunning);
    }
};

void watch(const Command& command, std::function<void()> failed, QObject& parent) {
    auto* process = new WatchedProcess(&parent);
    process->setProgram(command.program);
    process->setArguments(command.arguments);
    // As a detached program would: no input, and its output where the program's goes, so that
    // nothing it writes waits on a pipe that no one reads.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart) return;  // finished tells the rest
                         process->deleteLater();
                         failed();
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int exitCode, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if (status != QProcess::NormalExit || exitCode != 0) failed();
                     });
    process->start();
}

}  // namespace

void ProcessLauncher::start(const Command& command, std::function<void()> failed) {
    if (command.exitStatusTells)
        watch(command, std::move(failed), watched_);
    else if (!QProcess::startDetached(command.program, command.arguments))
        failed();
}

}  // namespace k4
