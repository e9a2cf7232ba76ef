#include <QTest>
#include <cmath>

#include "analysis/scored_round.h"
#include "analysis/statistics.h"

using namespace k4;

class TestStatistics : public QObject {
    Q_OBJECT

private slots:
    void wilsonIntervalMatchesKnownValues() {
        // 10 of 100: the textbook interval is 0.0552 to 0.1744.
        const Interval interval = wilsonInterval(10, 100);
        QVERIFY(std::fabs(interval.low - 0.0552) < 1e-4);
        QVERIFY(std::fabs(interval.high - 0.1744) < 1e-4);
        const Interval none = wilsonInterval(0, 50);
        QCOMPARE(none.low, 0.0);
        QVERIFY(none.high > 0.07 && none.high < 0.072);
    }

    void upperTailMatchesTheBinomialLaw() {
        // Ten fair coins: P(X >= 8) = 56/1024.
        const std::vector<double> coins(10, 0.5);
        QVERIFY(std::fabs(upperTailProbability(coins, 8) - 56.0 / 1024) < 1e-12);
        QCOMPARE(upperTailProbability(coins, 0), 1.0);
        QCOMPARE(upperTailProbability(coins, 11), 0.0);
        // Unequal chances: P(at least one of 0.1, 0.2) = 1 - 0.9 * 0.8.
        QVERIFY(std::fabs(upperTailProbability({0.1, 0.2}, 1) - 0.28) < 1e-12);
    }

    // Known quantiles: the 95% points of chi-square with 1, 2, 9 and 10 degrees of freedom, the
    // 1% point with 9, and a statistic of 0.
    void chiSquarePValuesMatchTables_data() {
        QTest::addColumn<double>("statistic");
        QTest::addColumn<int>("degrees");
        QTest::addColumn<double>("pValue");
        QTest::newRow("1 degree") << 3.841459 << 1 << 0.05;
        QTest::newRow("2 degrees") << 5.991465 << 2 << 0.05;
        QTest::newRow("9 degrees, 5%") << 16.918978 << 9 << 0.05;
        QTest::newRow("9 degrees, 1%") << 21.665994 << 9 << 0.01;
        QTest::newRow("9 degrees, far in the tail") << 60.0 << 9 << 1.340678e-9;
        QTest::newRow("10 degrees") << 18.307038 << 10 << 0.05;
        QTest::newRow("nothing departs") << 0.0 << 9 << 1.0;
    }
    void chiSquarePValuesMatchTables() {
        QFETCH(double, statistic);
        QFETCH(int, degrees);
        QFETCH(double, pValue);
        const double computed = chiSquarePValue(statistic, degrees);
        QVERIFY2(std::fabs(computed - pValue) < 1e-6 * pValue,
                 qPrintable(QString::number(computed, 'g', 10)));
    }

    void holmAdjustsStepDown_data() {
        QTest::addColumn<std::vector<double>>("pValues");
        QTest::addColumn<std::vector<double>>("adjusted");
        // 0.005 x 4, 0.01 x 3, 0.03 x 2 and 0.04 x 1 kept from falling below 0.06.
        QTest::newRow("kept monotone")
            << std::vector{0.01, 0.04, 0.03, 0.005} << std::vector{0.03, 0.06, 0.06, 0.02};
        QTest::newRow("capped at 1") << std::vector{0.5, 0.6} << std::vector{1.0, 1.0};
        QTest::newRow("ties") << std::vector{0.02, 0.02, 0.2} << std::vector{0.06, 0.06, 0.2};
        QTest::newRow("one test") << std::vector{0.3} << std::vector{0.3};
    }
    void holmAdjustsStepDown() {
        QFETCH(std::vector<double>, pValues);
        QFETCH(std::vector<double>, adjusted);
        const std::vector<double> computed = holmAdjusted(pValues);
        QCOMPARE(computed.size(), adjusted.size());
        for (std::size_t i = 0; i < adjusted.size(); ++i)
            QVERIFY(std::fabs(computed[i] - adjusted[i]) < 1e-12);
    }

    void summarizesRounds() {
        std::vector<ScoredRound> rounds(4);
        for (ScoredRound& round : rounds) round.expected = 0.024;
        rounds[2].hit = true;
        const BacktestSummary summary = summarize(rounds);
        QCOMPARE(summary.rounds, 4);
        QCOMPARE(summary.hits, 1);
        QVERIFY(std::fabs(summary.expectedHits - 0.096) < 1e-12);
        QVERIFY(std::fabs(summary.ratio - 1 / 0.096) < 1e-9);
        QVERIFY(std::fabs(summary.pValue - (1 - std::pow(0.976, 4))) < 1e-12);
    }
};

QTEST_APPLESS_MAIN(TestStatistics)
#include "test_statistics.moc"
