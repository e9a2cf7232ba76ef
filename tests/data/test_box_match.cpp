#include <QSet>
#include <QTest>

#include "data/box_match.h"
#include "data/digits.h"

using namespace k4;

class TestBoxMatch : public QObject {
    Q_OBJECT

private slots:
    // The chance of a box match, and whether the combination is sold as a box ticket.
    void boxChancesAndTickets_data() {
        QTest::addColumn<QString>("combination");
        QTest::addColumn<double>("probability");
        QTest::addColumn<bool>("ticket");
        QTest::newRow("four different digits") << "0123" << 24 / 10000.0 << true;
        QTest::newRow("one repeated digit") << "0012" << 12 / 10000.0 << true;
        QTest::newRow("two pairs") << "1122" << 6 / 10000.0 << true;
        QTest::newRow("three of a kind") << "1112" << 4 / 10000.0 << true;
        QTest::newRow("four of a kind") << "7777" << 1 / 10000.0 << false;
        QTest::newRow("too short") << "123" << 0.0 << false;
        QTest::newRow("letters") << "12a4" << 0.0 << false;
        QTest::newRow("full-width") << QString::fromUtf8("１２３４") << 0.0 << false;
    }
    void boxChancesAndTickets() {
        QFETCH(QString, combination);
        QFETCH(double, probability);
        QFETCH(bool, ticket);
        QCOMPARE(boxProbability(combination), probability);
        QCOMPARE(isBoxTicket(combination), ticket);
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
