#include "cli/progress.h"

namespace k4 {
namespace {

constexpr qint64 kQuietMilliseconds = 1000;
constexpr qint64 kRefreshMilliseconds = 100;

}  // namespace

TerminalProgress::TerminalProgress(QTextStream& err, bool isTerminal, QString label, Clock clock)
    : err_(err), isTerminal_(isTerminal), label_(std::move(label)), clock_(std::move(clock)) {
    timer_.start();
    if (!clock_) clock_ = [this] { return timer_.elapsed(); };
}

TerminalProgress::~TerminalProgress() {
    if (shownAt_ < 0) return;
    err_ << '\r' << QString(width_, u' ') << '\r';
    err_.flush();
}

void TerminalProgress::update(qint64 done, qint64 total) {
    if (!isTerminal_) return;
    const qint64 now = clock_();
    if (now < kQuietMilliseconds) return;
    if (shownAt_ >= 0 && now - shownAt_ < kRefreshMilliseconds && done < total) return;
    const QString line = QStringLiteral("%1 %2/%3").arg(label_).arg(done).arg(total);
    err_ << '\r' << line;
    err_.flush();
    shownAt_ = now;
    // Japanese labels take two columns a character; rubbing out too much is harmless.
    width_ = std::max<int>(width_, int(line.size()) * 2);
}

}  // namespace k4
