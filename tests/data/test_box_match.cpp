#include <QSet>
#include <QTest>

#include "data/box_match.h"
#include "data/digits.h"

using namespace k4;

class TestBoxMatch : public QObject {
    Q_OBJECT

private slots:
    // The chance of a box match, and the theoretical prize of a box ticket (0: not sold as one).
    void boxChancesAndPrizes_data() {
        QTest::addColumn<QString>("combination");
        QTest::addColumn<double>("probability");
        QTest::addColumn<qint64>("prize");
        QTest::newRow("four different digits") << "0123" << 24 / 10000.0 << qint64(37'500);
        QTest::newRow("one repeated digit") << "0012" << 12 / 10000.0 << qint64(75'000);
        QTest::newRow("two pairs") << "1122" << 6 / 10000.0 << qint64(150'000);
        QTest::newRow("three of a kind") << "1112" << 4 / 10000.0 << qint64(225'000);
        QTest::newRow("four of a kind") << "7777" << 1 / 10000.0 << qint64(0);
        QTest::newRow("too short") << "123" << 0.0 << qint64(0);
        QTest::newRow("letters") << "12a4" << 0.0 << qint64(0);
        QTest::newRow("full-width") << QString::fromUtf8("１２３４") << 0.0 << qint64(0);
    }
    void boxChancesAndPrizes() {
        QFETCH(QString, combination);
        QFETCH(double, probability);
        QFETCH(qint64, prize);
        QCOMPARE(boxProbability(combination), probability);
        QCOMPARE(boxPrizeYen(combination), prize);
        QCOMPARE(isBoxTicket(combination), prize > 0);
    }

    void boxMatchesAnyArrangement() {
        QVERIFY(isBoxMatch(u"5023", u"2503"));
        QVERIFY(isBoxMatch(u"0012", u"1020"));
        QVERIFY(!isBoxMatch(u"0012", u"0112"));
        QVERIFY(!isBoxMatch(u"abcd", u"abcd"));
    }

    // Every draw belongs to exactly one box combination, which holds as many draws as its
    // arrangements: the enumeration misses none and repeats none.
    void boxCombinationsShareOutEveryDraw() {
        const std::vector<QString>& boxes = boxCombinations();
        QCOMPARE(int(boxes.size()), kBoxCombinations);
        QVERIFY(std::is_sorted(boxes.begin(), boxes.end()));
        QHash<int, int> drawsOfBox;
        for (int draw = 0; draw < kPossibleDraws; ++draw)
            ++drawsOfBox[boxNumber(QStringLiteral("%1").arg(draw, kPlaces, 10, QLatin1Char('0')))];
        QCOMPARE(int(drawsOfBox.size()), kBoxCombinations);
        for (const QString& box : boxes)
            QCOMPARE(drawsOfBox.value(box.toInt()), boxArrangements(box));
    }
};

QTEST_APPLESS_MAIN(TestBoxMatch)
#include "test_box_match.moc"
