#include "ui/window_icon.h"

#include <QPixmap>
#include <QtGlobal>
#include <algorithm>
#include <vector>

namespace k4 {

namespace {

// Whether `a` stands for a block rather than `b` when both are as frequent in it.
bool standsBefore(QRgb a, QRgb b) {
    const bool aVisible = qAlpha(a) != 0;
    const bool bVisible = qAlpha(b) != 0;
    if (aVisible != bVisible) return aVisible;
    return qGray(a) < qGray(b);
}

// The design reduced by a whole factor: each factor × factor block becomes one pixel of the
// block's most frequent colour.
QImage reduced(const QImage& design, int factor) {
    QImage result(design.width() / factor, design.height() / factor, QImage::Format_ARGB32);
    std::vector<QRgb> block;
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x) {
            block.clear();
            for (int dy = 0; dy < factor; ++dy) {
                for (int dx = 0; dx < factor; ++dx) {
                    const QRgb pixel = design.pixel(x * factor + dx, y * factor + dy);
                    // Transparent is one colour, whatever the RGB part of its pixels.
                    block.push_back(qAlpha(pixel) == 0 ? 0 : pixel);
                }
            }
            QRgb chosen = block.front();
            auto chosenCount = std::count(block.begin(), block.end(), chosen);
            for (QRgb colour : block) {
                const auto count = std::count(block.begin(), block.end(), colour);
                if (count > chosenCount || (count == chosenCount && standsBefore(colour, chosen))) {
                    chosen = colour;
                    chosenCount = count;
                }
            }
            result.setPixel(x, y, chosen);
        }
    }
    return result;
}

}  // namespace

QImage iconAtSize(const QImage& design, int size) {
    const QImage source = design.convertToFormat(QImage::Format_ARGB32);
    if (size < source.width() && source.width() % size == 0 && source.height() == source.width()) {
        return reduced(source, source.width() / size);
    }
    return source.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QIcon windowIcon() {
    const QImage design(QStringLiteral(":/kirikata4.xpm"));
    QIcon icon;
    for (int size : kIconSizes) icon.addPixmap(QPixmap::fromImage(iconAtSize(design, size)));
    return icon;
}

}  // namespace k4
