#include <QByteArray>

#include "platform/image_only_gui.h"

namespace k4 {

void chooseImageOnlyGui() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace k4
