#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTextStream>
#include <functional>

namespace k4 {

// A progress line on standard error for work that takes a while: it appears only on a
// terminal and only once the work has run for a second, so quick runs and redirected output
// stay clean. The line is rubbed out when the work is done.
class TerminalProgress {
public:
    // Milliseconds since the work began.
    using Clock = std::function<qint64()>;

    TerminalProgress(QTextStream& err, bool isTerminal, QString label, Clock clock = {});
    ~TerminalProgress();

    void update(qint64 done, qint64 total);

private:
    QTextStream& err_;
    bool isTerminal_;
    QString label_;
    QElapsedTimer timer_;
    Clock clock_;
    qint64 shownAt_ = -1;  // when the line was last written; -1 before the first time
    int width_ = 0;        // columns of the line last written
};

}  // namespace k4
