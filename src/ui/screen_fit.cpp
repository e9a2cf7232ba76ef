#include "ui/screen_fit.h"

namespace k4 {
namespace {

// A window system's borders and title bar, in device-independent pixels: enough for the common
// desktops of Linux and for Windows at any scale, which all scale their frames with the screen.
constexpr QSize kFrame(16, 40);

}  // namespace

QSize sizeWithin(QSize wanted, QRect available) {
    return wanted.boundedTo(available.size() - kFrame);
}

}  // namespace k4
