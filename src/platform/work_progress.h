#pragma once

#include <QtGlobal>
#include <functional>

namespace k4 {

// Called now and then during long work with how much of it is done; returns false to stop it.
using WorkProgress = std::function<bool(qint64 done, qint64 total)>;

// Whether work reporting to `progress` may go on; no progress at all never stops it.
inline bool goesOn(const WorkProgress& progress, qint64 done, qint64 total) {
    return !progress || progress(done, total);
}

}  // namespace k4
