#pragma once

#include <QString>

#include "cli/console.h"

namespace k4 {

// A progress line on standard error for work that takes a while: it appears only on a
// terminal and only once the work has run for a second, so quick runs and redirected output
// stay clean. The line is rubbed out when the work is done.
class TerminalProgress {
public:
    // Shows on the console's standard error, timed by its clock.
    TerminalProgress(Console& console, QString label);
    ~TerminalProgress();

    void update(qint64 done, qint64 total);

private:
    Console& console_;
    QString label_;
    qint64 startedAt_ = 0;
    qint64 shownAt_ = -1;  // when the line was last written; -1 before the first time
    int width_ = 0;        // columns of the line last written
};

}  // namespace k4
