#include "platform/image_only_gui.h"

namespace k4 {

// The native platform needs nothing: it draws into images without showing a window.
void chooseImageOnlyGui() {}

}  // namespace k4
