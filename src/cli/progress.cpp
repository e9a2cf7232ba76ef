#include "cli/progress.h"

namespace k4 {
namespace {

constexpr qint64 kQuietMilliseconds = 1000;
constexpr qint64 kRefreshMilliseconds = 100;

}  // namespace

TerminalProgress::TerminalProgress(Console& console, QString label)
    : console_(console), label_(std::move(label)) {
    if (console_.errIsTerminal) startedAt_ = console_.elapsed();
}

TerminalProgress::~TerminalProgress() {
    if (shownAt_ < 0) return;
    console_.err << '\r' << QString(width_, u' ') << '\r';
    console_.err.flush();
}

void TerminalProgress::update(qint64 done, qint64 total) {
    if (!console_.errIsTerminal) return;
    const qint64 now = console_.elapsed() - startedAt_;
    if (now < kQuietMilliseconds) return;
    if (shownAt_ >= 0 && now - shownAt_ < kRefreshMilliseconds && done < total) return;
    const QString line = QStringLiteral("%1 %2/%3").arg(label_).arg(done).arg(total);
    console_.err << '\r' << line;
    console_.err.flush();
    shownAt_ = now;
    // Japanese labels take two columns a character; rubbing out too much is harmless.
    width_ = std::max<int>(width_, int(line.size()) * 2);
}

}  // namespace k4
