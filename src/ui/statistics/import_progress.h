#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

#include "platform/work_progress.h"
#include "register/registration_replay.h"

class QProgressBar;
class QProgressDialog;
class QWidget;

namespace k4 {

// Registers the results of an agreed import on a worker thread, behind a window-modal progress
// dialog whose キャンセル stops it at its next result, so that the window stays responsive.
class ImportProgress : public QObject {
    Q_OBJECT

public:
    explicit ImportProgress(QWidget* window);
    // A replay still running stops at its next result.
    ~ImportProgress() override;

    bool isRunning() const { return watcher_.isRunning(); }

    using Replay = std::function<std::optional<RegistrationReplay>(const WorkProgress&)>;
    // Runs `replay` and hands `done` the folder it left, or none when it was cancelled.
    void start(Replay replay, std::function<void(std::optional<RegistrationReplay>)> done);

private:
    void finished();

    QWidget* window_;
    QFutureWatcher<RegistrationReplay> watcher_;
    QPointer<QProgressDialog> dialog_;
    QProgressBar* bar_ = nullptr;
    std::function<void(std::optional<RegistrationReplay>)> done_;
};

}  // namespace k4
