#include <QGuiApplication>
#include <QImage>
#include <QTest>

#include "analysis/chart.h"

using namespace k4;

namespace {

// 100 rounds, each hit, each with a chance of 0.1: the hits climb to 100, which tops the value
// axis; chance expects 0.1 a round, with the 95% band 1.96 √(n · 0.1 · 0.9) either side.
std::vector<ScoredRound> everyRoundHit() {
    std::vector<ScoredRound> rounds;
    for (int round = 1; round <= 100; ++round)
        rounds.push_back({round, QStringLiteral("1234"), {QStringLiteral("1234")}, true, 0.1});
    return rounds;
}

bool isFrame(QRgb pixel) {
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    return r < 200 && qAbs(r - g) < 20 && qAbs(g - b) < 20;
}

// The plot's frame, found from its right and bottom edges inwards, where no text stands.
QRect plotFrame(const QImage& image) {
    const auto firstFrame = [&](QPoint from, QPoint step) {
        QPoint at = from;
        while (image.rect().contains(at) && !isFrame(image.pixel(at))) at += step;
        return at;
    };
    const int middle = image.height() / 2;
    const int right = firstFrame({image.width() - 1, middle}, {-1, 0}).x();
    const int top = firstFrame({right - 3, 0}, {0, 1}).y();
    const int bottom = firstFrame({right - 45, image.height() - 1}, {0, -1}).y();
    const int left = firstFrame({right - 3, bottom - 3}, {-1, 0}).x();
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

enum class Drawn { Hits, Band, Nothing };

bool looksLike(QRgb pixel, Drawn drawn) {
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    switch (drawn) {
        case Drawn::Hits:
            return r > 150 && g < 100 && b < 100;
        case Drawn::Band:
            return b - r > 20 && r < 240 && g < 245;
        case Drawn::Nothing:
            return r > 245 && g > 245 && b > 245;
    }
    return false;
}

}  // namespace

class TestChart : public QObject {
    Q_OBJECT

private slots:
    void linesStandWhereTheFiguresPutThem_data() {
        QTest::addColumn<double>("round");
        QTest::addColumn<double>("value");
        QTest::addColumn<Drawn>("drawn");
        QTest::newRow("hits after 25 rounds") << 25.0 << 25.0 << Drawn::Hits;
        QTest::newRow("hits after 75 rounds") << 75.0 << 75.0 << Drawn::Hits;
        // At round 60 chance expects 6, the band reaching 1.45 to 10.55: 8.3 lies inside,
        // clear of the dashed line of the expectation.
        QTest::newRow("band above the expectation") << 60.0 << 8.3 << Drawn::Band;
        QTest::newRow("band below the expectation") << 60.0 << 3.7 << Drawn::Band;
        QTest::newRow("above the band, below the hits") << 80.0 << 50.0 << Drawn::Nothing;
    }
    void linesStandWhereTheFiguresPutThem() {
        QFETCH(double, round);
        QFETCH(double, value);
        QFETCH(Drawn, drawn);
        const QImage chart = drawBacktestChart(everyRoundHit(), Language::English);
        QCOMPARE(chart.size(), kChartImageSize);
        const QRect plot = plotFrame(chart);
        QVERIFY2(plot.width() > chart.width() / 2 && plot.height() > chart.height() / 2,
                 qPrintable(QStringLiteral("frame %1 × %2").arg(plot.width()).arg(plot.height())));
        // The round axis runs from round 0 to 100, the value axis from 0 to 100.
        const QPoint at(qRound(plot.left() + plot.width() * round / 100),
                        qRound(plot.bottom() - plot.height() * value / 100));
        // A line may stand a pixel or two off its exact place; an empty spot is empty around.
        int alike = 0;
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy)
                alike += looksLike(chart.pixel(at + QPoint(dx, dy)), drawn);
        QVERIFY2(drawn == Drawn::Nothing ? alike == 25 : alike > 0,
                 qPrintable(QStringLiteral("pixel at %1, %2: %3")
                                .arg(at.x())
                                .arg(at.y())
                                .arg(QColor(chart.pixel(at)).name())));
    }
};

QTEST_MAIN(TestChart)
#include "test_chart.moc"
