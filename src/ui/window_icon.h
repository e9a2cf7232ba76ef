#pragma once

#include <QIcon>
#include <QImage>

namespace k4 {

// The sizes in pixels at which the program's icon is made from its 32 × 32 design, the design's
// own first: the window icon has them all, and the icon files of the desktops and of Windows
// are made from the same function at build time.
inline constexpr int kIconSizes[] = {32, 16, 48, 64, 128, 256};

// The design at `size` pixels square, pixel for pixel, with no colour the design lacks. Larger
// sizes repeat each pixel (64, 128 and 256 as 2 × 2, 4 × 4 and 8 × 8 blocks; 48 as alternate
// blocks of 2 and 1 pixels, nearest neighbour). A size that divides the design's (16) gives each
// block of pixels its most frequent colour; of colours as frequent, a visible one wins over
// transparency and then the darker one, so that one-pixel outlines stay and the shape keeps
// its edge.
QImage iconAtSize(const QImage& design, int size);

// The icon of every window: the design in the program's resources at each of kIconSizes.
QIcon windowIcon();

}  // namespace k4
