#pragma once

#include <QTextStream>
#include <functional>

#include "platform/language.h"

namespace k4 {

// Where the tool writes and in which language.
struct Console {
    QTextStream& out;
    QTextStream& err;
    Language language = Language::English;
    bool errIsTerminal = false;  // whether a progress line may be shown on `err`
    // Milliseconds since the command began, by which a progress line waits before it shows;
    // asked only where `err` is a terminal.
    std::function<qint64()> elapsed = {};
};

// The tool's exit statuses.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // bad input, a refused folder, a file error
inline constexpr int kExitUsage = 2;    // the command line itself is wrong

}  // namespace k4
