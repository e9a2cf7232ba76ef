#pragma once

#include <QTextStream>
#include <functional>

#include "platform/clock.h"
#include "platform/language.h"

namespace k4 {

// The system's calendar, which the tool dates what it records by unless told otherwise.
inline const Clock& systemClock() {
    static const SystemClock clock;
    return clock;
}

// Where the tool writes and in which language.
struct Console {
    QTextStream& out;
    QTextStream& err;
    Language language = Language::English;
    bool errIsTerminal = false;  // whether a progress line may be shown on `err`
    // Milliseconds since the command began, by which a progress line waits before it shows;
    // asked only where `err` is a terminal.
    std::function<qint64()> elapsed = {};
    // Today's date, for the tickets the tool records.
    const Clock& clock = systemClock();
};

// The tool's exit statuses.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // bad input, a refused folder, a file error
inline constexpr int kExitUsage = 2;    // the command line itself is wrong

}  // namespace k4
