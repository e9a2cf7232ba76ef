#include <QTest>

#include "data/box_match.h"
#include "money/lottery_money.h"

using namespace k4;

class TestLotteryMoney : public QObject {
    Q_OBJECT

private slots:
    // The theoretical prize of a box ticket; 0 where the combination is not sold as one.
    void boxPrizes_data() {
        QTest::addColumn<QString>("combination");
        QTest::addColumn<qint64>("prize");
        QTest::newRow("four different digits") << "0123" << qint64(37'500);
        QTest::newRow("one repeated digit") << "0012" << qint64(75'000);
        QTest::newRow("two pairs") << "1122" << qint64(150'000);
        QTest::newRow("three of a kind") << "1112" << qint64(225'000);
        QTest::newRow("four of a kind") << "7777" << qint64(0);
        QTest::newRow("too short") << "123" << qint64(0);
        QTest::newRow("letters") << "12a4" << qint64(0);
        QTest::newRow("full-width") << QString::fromUtf8("１２３４") << qint64(0);
    }
    void boxPrizes() {
        QFETCH(QString, combination);
        QFETCH(qint64, prize);
        QCOMPARE(boxPrizeYen(combination), prize);
    }

    // Each box ticket's prize, won on each of its arrangements, shares out the whole pool with
    // not a yen left over: the prizes are whole yen.
    void everyBoxTicketSharesOutThePool() {
        for (const QString& box : boxCombinations()) {
            if (!isBoxTicket(box)) continue;
            QCOMPARE(boxPrizeYen(box) * boxArrangements(box), kTheoreticalPrizePool);
        }
    }
};

QTEST_APPLESS_MAIN(TestLotteryMoney)
#include "test_lottery_money.moc"
