#include <QGuiApplication>
#include <QImage>
#include <QTest>

#include "chart/backtest_chart.h"

using namespace k4;

namespace {

// 100 rounds, each hit, each with a chance of 0.1: the hits climb to 100, which tops the value
// axis; chance expects 0.1 a round, with the 95% band 1.96 √(n · 0.1 · 0.9) either side. Each
// round one ticket of 200 yen wins 37,500 yen: the balance climbs by 37,300 a round to 3,730,000,
// and chance's falls by 110 a round: the balance axis runs from -1,000,000 to 4,000,000 yen.
std::vector<ScoredRound> everyRoundHit() {
    std::vector<ScoredRound> rounds;
    for (int round = 1; round <= 100; ++round)
        rounds.push_back(
            {round, QStringLiteral("1234"), {QStringLiteral("1234")}, true, 0.1, 1, 37'500});
    return rounds;
}

enum class Plot { Hits, Balance };
enum class Drawn { Hits, Band, Balance, Nothing };

bool looksLike(QRgb pixel, Drawn drawn) {
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    switch (drawn) {
        case Drawn::Hits:
            return r > 150 && g < 100 && b < 100;
        case Drawn::Band:
            return b - r > 20 && r < 240 && g < 245;
        case Drawn::Balance:
            return g > 100 && g - r > 50 && g - b > 30;
        case Drawn::Nothing:
            return r > 245 && g > 245 && b > 245;
    }
    return false;
}

}  // namespace

class TestBacktestChart : public QObject {
    Q_OBJECT

private slots:
    void linesStandWhereTheFiguresPutThem_data() {
        QTest::addColumn<Plot>("plot");
        QTest::addColumn<double>("round");
        QTest::addColumn<double>("value");
        QTest::addColumn<Drawn>("drawn");
        QTest::newRow("hits after 25 rounds") << Plot::Hits << 25.0 << 25.0 << Drawn::Hits;
        QTest::newRow("hits after 75 rounds") << Plot::Hits << 75.0 << 75.0 << Drawn::Hits;
        // At round 60 chance expects 6, the band reaching 1.45 to 10.55: 8.3 lies inside,
        // clear of the dashed line of the expectation.
        QTest::newRow("band above the expectation") << Plot::Hits << 60.0 << 8.3 << Drawn::Band;
        QTest::newRow("band below the expectation") << Plot::Hits << 60.0 << 3.7 << Drawn::Band;
        QTest::newRow("above the band, below the hits")
            << Plot::Hits << 80.0 << 50.0 << Drawn::Nothing;
        QTest::newRow("balance after 30 rounds")
            << Plot::Balance << 30.0 << 1'119'000.0 << Drawn::Balance;
        QTest::newRow("balance after 70 rounds")
            << Plot::Balance << 70.0 << 2'611'000.0 << Drawn::Balance;
        QTest::newRow("above the balance")
            << Plot::Balance << 50.0 << 3'500'000.0 << Drawn::Nothing;
    }
    void linesStandWhereTheFiguresPutThem() {
        QFETCH(Plot, plot);
        QFETCH(double, round);
        QFETCH(double, value);
        QFETCH(Drawn, drawn);
        const QImage chart = drawBacktestChart(everyRoundHit(), Language::English);
        QCOMPARE(chart.size(), kChartImageSize);
        // Where the plots stand is the chart's to say; where the lines stand in them is the
        // figures'.
        const bool hits = plot == Plot::Hits;
        const QRectF frame = hits ? hitsPlot(chart.size()) : balancePlot(chart.size());
        // The round axis runs from round 0 to 100; the hits' axis from 0 to 100, the balance's
        // from -1,000,000 to 4,000,000.
        const double low = hits ? 0 : -1'000'000, high = hits ? 100 : 4'000'000;
        const QPoint at(qRound(frame.left() + frame.width() * round / 100),
                        qRound(frame.bottom() - frame.height() * (value - low) / (high - low)));
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

QTEST_MAIN(TestBacktestChart)
#include "test_backtest_chart.moc"
