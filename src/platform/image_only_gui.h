#pragma once

namespace k4 {

// Chooses, before the QGuiApplication is made, a platform that draws text into images without
// a display: the offscreen one on Linux, where there may be no display; the native one on
// Windows, which always has one and whose offscreen platform has none of the system's fonts.
// Each platform has its own source file.
void chooseImageOnlyGui();

}  // namespace k4
