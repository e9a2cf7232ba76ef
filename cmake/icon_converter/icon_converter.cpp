// Build helper: makes the icon's files from its XPM design, at the sizes asked for, each size as
// the window icon draws it (iconAtSize, src/ui/window_icon.h).
//
//     k4_icon_converter <design.xpm> <output.png> <size>
//     k4_icon_converter <design.xpm> <output.ico> <size>...
//
// A .ico holds the sizes in the order given, a 256-pixel image as PNG and the smaller ones as
// 32-bit bitmaps with their transparency mask, as Windows reads them. Fails when the design does
// not read as a 32x32 image, so that a broken icon source stops the build instead of installing
// an empty picture.
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <QtEndian>
#include <cstdio>
#include <vector>

#include "ui/window_icon.h"

namespace {

void append16(QByteArray& bytes, quint16 value) {
    const quint16 little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

void append32(QByteArray& bytes, quint32 value) {
    const quint32 little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// An icon image as a bitmap: the header, the colours bottom row first (blue, green, red, alpha)
// and the mask of transparent pixels, one bit each, rows padded to four bytes.
QByteArray bitmap(const QImage& image) {
    const int width = image.width();
    const int height = image.height();
    const int maskRow = (width + 31) / 32 * 4;
    QByteArray bytes;
    append32(bytes, 40);          // header size
    append32(bytes, width);       // width
    append32(bytes, height * 2);  // height of the colours and the mask together
    append16(bytes, 1);           // planes
    append16(bytes, 32);          // bits a pixel
    append32(bytes, 0);           // no compression
    append32(bytes, width * height * 4 + maskRow * height);
    for (int i = 0; i < 4; ++i) append32(bytes, 0);  // resolution, palette
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = image.pixel(x, y);
            bytes.append(char(qBlue(pixel)));
            bytes.append(char(qGreen(pixel)));
            bytes.append(char(qRed(pixel)));
            bytes.append(char(qAlpha(pixel)));
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < width; ++x) {
            if (qAlpha(image.pixel(x, y)) == 0) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        bytes.append(row);
    }
    return bytes;
}

// A Windows icon file: its header, one directory entry per image, then the images.
QByteArray icoFile(const std::vector<QImage>& images) {
    std::vector<QByteArray> data;
    for (const QImage& image : images) {
        data.push_back(image.width() >= 256 ? png(image) : bitmap(image));
    }
    QByteArray bytes;
    append16(bytes, 0);  // reserved
    append16(bytes, 1);  // an icon, not a cursor
    append16(bytes, quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        bytes.append(char(images[i].width() & 0xff));  // 0 stands for 256
        bytes.append(char(images[i].height() & 0xff));
        bytes.append('\0');  // no palette
        bytes.append('\0');  // reserved
        append16(bytes, 1);  // planes
        append16(bytes, 32);
        append32(bytes, quint32(data[i].size()));
        append32(bytes, offset);
        offset += quint32(data[i].size());
    }
    for (const QByteArray& image : data) bytes.append(image);
    return bytes;
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size() && file.flush();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: k4_icon_converter <design.xpm> <output.png> <size>\n"
                     "       k4_icon_converter <design.xpm> <output.ico> <size>...\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[2]);
    const QImage design(QString::fromLocal8Bit(argv[1]), "XPM");
    if (design.isNull() || design.size() != QSize(32, 32)) {
        std::fprintf(stderr, "k4_icon_converter: %s is not a 32x32 XPM image\n", argv[1]);
        return 1;
    }
    std::vector<QImage> images;
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size < 1 || size > 256) {
            std::fprintf(stderr, "k4_icon_converter: %s is not a size from 1 to 256\n", argv[i]);
            return 2;
        }
        images.push_back(k4::iconAtSize(design, size));
    }
    QByteArray bytes;
    if (output.endsWith(QStringLiteral(".ico"))) {
        bytes = icoFile(images);
    } else if (output.endsWith(QStringLiteral(".png")) && images.size() == 1) {
        bytes = png(images.front());
    } else {
        std::fprintf(stderr, "k4_icon_converter: %s is neither a .ico nor a .png of one size\n",
                     argv[2]);
        return 2;
    }
    if (bytes.isEmpty() || !write(output, bytes)) {
        std::fprintf(stderr, "k4_icon_converter: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
