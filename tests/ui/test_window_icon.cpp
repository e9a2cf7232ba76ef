#include <QIcon>
#include <QImage>
#include <QSet>
#include <QTest>

#include "ui/window_icon.h"

using namespace k4;

namespace {

const QImage& design() {
    static const QImage image =
        QImage(QStringLiteral(":/kirikata4.xpm")).convertToFormat(QImage::Format_ARGB32);
    return image;
}

QSet<QRgb> coloursOf(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            colours.insert(qAlpha(pixel) == 0 ? 0 : pixel);
        }
    }
    return colours;
}

// A 2 × 2 image of the four colours, left to right, top to bottom.
QImage block(QRgb a, QRgb b, QRgb c, QRgb d) {
    QImage image(2, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, a);
    image.setPixel(1, 0, b);
    image.setPixel(0, 1, c);
    image.setPixel(1, 1, d);
    return image;
}

constexpr QRgb kClear = 0x00000000;
constexpr QRgb kClearWhite = 0x00ffffff;  // transparent too, whatever its colour part
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kOlive = 0xff808000;
constexpr QRgb kYellow = 0xffffff00;

}  // namespace

// The icon at every size is the 32 × 32 design pixel for pixel: no smoothing, no new colour.
class TestWindowIcon : public QObject {
    Q_OBJECT

private slots:
    void theDesignIs32PixelsWithTransparency() {
        QCOMPARE(design().size(), QSize(32, 32));
        QVERIFY(coloursOf(design()).contains(0));
    }

    // Each design pixel becomes a whole block of its colour.
    void enlargementsRepeatEachPixel_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("64") << 64;
        QTest::newRow("128") << 128;
        QTest::newRow("256") << 256;
    }
    void enlargementsRepeatEachPixel() {
        QFETCH(int, size);
        const QImage icon = iconAtSize(design(), size);
        QCOMPARE(icon.size(), QSize(size, size));
        const int factor = size / 32;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                if (icon.pixel(x, y) != design().pixel(x / factor, y / factor)) {
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
                }
            }
        }
    }

    // 48 is 1.5 times: every design row and column shows as one or two whole rows and columns,
    // in order, so no line of the design is lost or blurred.
    void size48KeepsEveryRowAndColumn() {
        QImage numbered(32, 32, QImage::Format_ARGB32);
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) numbered.setPixel(x, y, qRgb(x, y, 0));
        }
        const QImage icon = iconAtSize(numbered, 48);
        QCOMPARE(icon.size(), QSize(48, 48));
        QList<int> timesShown(32, 0);
        for (int i = 0; i < 48; ++i) {
            const int column = qRed(icon.pixel(i, 0));
            const int row = qGreen(icon.pixel(0, i));
            QCOMPARE(row, column);
            QVERIFY2(qAbs(column * 3 - i * 2) <= 2, qPrintable(QString::number(i)));
            ++timesShown[column];
            for (int j = 0; j < 48; ++j) {
                QCOMPARE(qRed(icon.pixel(i, j)), column);
                QCOMPARE(qGreen(icon.pixel(j, i)), row);
            }
        }
        for (int shown : timesShown) QVERIFY(shown == 1 || shown == 2);
        QVERIFY(coloursOf(iconAtSize(design(), 48)) == coloursOf(design()));
    }

    // 16 gives each 2 × 2 block its most frequent colour; a tie goes to a visible colour over
    // transparency, then to the darker one.
    void size16TakesEachBlocksColour_data() {
        QTest::addColumn<QImage>("source");
        QTest::addColumn<QRgb>("expected");
        QTest::newRow("one colour") << block(kOlive, kOlive, kOlive, kOlive) << kOlive;
        QTest::newRow("three against one") << block(kYellow, kBlack, kYellow, kYellow) << kYellow;
        QTest::newRow("an outline against a fill")
            << block(kYellow, kBlack, kYellow, kBlack) << kBlack;
        QTest::newRow("the darker of two") << block(kOlive, kYellow, kYellow, kOlive) << kOlive;
        QTest::newRow("two of one beat two others")
            << block(kYellow, kYellow, kBlack, kOlive) << kYellow;
        QTest::newRow("an edge half transparent")
            << block(kClear, kYellow, kClear, kYellow) << kYellow;
        QTest::newRow("a corner mostly transparent")
            << block(kClear, kClearWhite, kClear, kBlack) << kClear;
        QTest::newRow("four tones") << block(kYellow, kOlive, kBlack, kClear) << kBlack;
    }
    void size16TakesEachBlocksColour() {
        QFETCH(QImage, source);
        QFETCH(QRgb, expected);
        // The block in every corner of a 32 × 32 design, the rest yellow.
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(kYellow);
        for (const QPoint corner : {QPoint(0, 0), QPoint(30, 0), QPoint(0, 30), QPoint(30, 30)}) {
            for (int y = 0; y < 2; ++y) {
                for (int x = 0; x < 2; ++x) {
                    image.setPixel(corner + QPoint(x, y), source.pixel(x, y));
                }
            }
        }
        const QImage icon = iconAtSize(image, 16);
        QCOMPARE(icon.size(), QSize(16, 16));
        for (const QPoint corner : {QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15)}) {
            const QRgb pixel = icon.pixel(corner);
            QCOMPARE(qAlpha(pixel) == 0 ? kClear : pixel, expected);
        }
        QCOMPARE(icon.pixel(7, 7), kYellow);
    }

    // The design's own 16: its colours only, and its outline all around its shape.
    void size16OfTheDesign() {
        const QImage icon = iconAtSize(design(), 16);
        QVERIFY(coloursOf(design()).contains(coloursOf(icon)));
        const QRgb outline = design().pixel(16, 1);
        for (int y = 0; y < 16; ++y) {
            int x = 0;
            while (x < 16 && qAlpha(icon.pixel(x, y)) == 0) ++x;
            if (x < 16) QCOMPARE(icon.pixel(x, y), outline);
        }
    }

    // The windows get every size, each exactly as iconAtSize draws it; the design's own first.
    void windowIconHasEverySize() {
        const QIcon icon = windowIcon();
        QList<QSize> expected;
        for (int size : kIconSizes) expected.append(QSize(size, size));
        QCOMPARE(icon.availableSizes(), expected);
        for (int size : kIconSizes) {
            const QImage drawn = icon.pixmap(QSize(size, size)).toImage();
            QCOMPARE(drawn.convertToFormat(QImage::Format_ARGB32), iconAtSize(design(), size));
        }
    }
};

QTEST_MAIN(TestWindowIcon)
#include "test_window_icon.moc"
