#include "ui/command_boundary.h"

#include "platform/dialogs.h"
#include "platform/failure.h"
#include "ui/services.h"

namespace k4 {
namespace {

constexpr int kFailureExitCode = 1;

void endAfterFailure(Services& services, const QString& message) {
    services.dialogs.notify(message, kProgramTitle, Notice::Error);
    services.endProgram(kFailureExitCode);
}

}  // namespace

bool runCommand(Services& services, const std::function<void()>& handler,
                const std::function<void()>& afterRefusal) {
    try {
        handler();
        return true;
    } catch (const Failure& failure) {
        reportFailure(services, failure);
        if (isRefusal(failure.kind()) && afterRefusal) runCommand(services, afterRefusal);
    } catch (const std::exception&) {
        endAfterFailure(services, describe(FailureKind::Unexpected));
    }
    return false;
}

void reportFailure(Services& services, const Failure& failure) {
    if (isRefusal(failure.kind()))
        services.dialogs.notify(failure.message(), kProgramTitle, Notice::Warning);
    else
        endAfterFailure(services, failure.message());
}

bool followQuietly(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace k4
