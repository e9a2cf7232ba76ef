#pragma once

#include <QFuture>
#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>
#include <optional>

#include "platform/work_progress.h"

namespace k4 {

// Runs `work` (given a WorkProgress, returning an optional Result) on a worker thread, so that
// the window stays responsive. Its progress reaches the future and the QFutureWatcher that
// watches it; cancelling the future stops the work at its next progress report, and the future
// then holds no result.
template <typename Result, typename Work>
QFuture<Result> runInBackground(Work work) {
    return QtConcurrent::run([work = std::move(work)](QPromise<Result>& promise) {
        qint64 range = -1;
        std::optional<Result> result = work([&](qint64 done, qint64 total) {
            if (total != range) promise.setProgressRange(0, int(range = total));
            promise.setProgressValue(int(done));
            return !promise.isCanceled();
        });
        if (result) promise.addResult(std::move(*result));
    });
}

}  // namespace k4
