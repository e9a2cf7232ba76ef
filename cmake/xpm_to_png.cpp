// Build helper: converts the icon's XPM source into the PNG that desktops look up.
//
//     xpm_to_png <input.xpm> <output.png>
//
// Fails when the input does not read as a 32x32 image, so that a broken icon source stops the
// build instead of installing an empty picture.
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: xpm_to_png <input.xpm> <output.png>\n");
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    QImage image(input, "XPM");
    if (image.isNull() || image.size() != QSize(32, 32)) {
        std::fprintf(stderr, "xpm_to_png: %s is not a 32x32 XPM image\n", argv[1]);
        return 1;
    }
    // Keep the transparent pixels of the source as an alpha channel.
    image = image.convertToFormat(QImage::Format_ARGB32);
    if (!image.save(output, "PNG")) {
        std::fprintf(stderr, "xpm_to_png: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
