#pragma once

#include <QRect>

namespace k4 {

// Window layouts are designed in twips; 15 twips make one pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

constexpr QRect fromTwips(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}

}  // namespace k4
