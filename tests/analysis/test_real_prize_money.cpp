#include <QTest>

#include "analysis/real_prize_money.h"
#include "data/lines.h"

using namespace k4;

class TestRealPrizeMoney : public QObject {
    Q_OBJECT

private slots:
    // Four scored rounds of four tickets each: a hit paid its round's box prize, a hit whose
    // prize is not kept is left out whole, a miss costs its tickets known prize or not, and a
    // row naming another result than the round scored is no prize of that round.
    void countsTheRealPrizes() {
        const PrizeTable prizes =
            readPrizeFile(writeLines({
                              "回号,当せん番号,ストレート,ボックス,セットストレート,セットボックス",
                              "7051,0419,1013700,42200,527900,21100",
                              "7052,1234,901500,,,",
                              "7054,0828,500000,80000,290000,40000",
                          }))
                .prizes;
        const auto round = [](qint64 number, const char* drawn, bool hit) {
            ScoredRound scored;
            scored.round = number;
            scored.drawn = drawn;
            scored.hit = hit;
            scored.tickets = 4;
            return scored;
        };
        const std::vector<ScoredRound> rounds = {
            round(7051, "0419", true), round(7052, "1234", true), round(7053, "5023", false),
            round(7054, "0882", true)};
        QCOMPARE(realBoxPrize(rounds[0], prizes), 42'200);
        QCOMPARE(realBoxPrize(rounds[3], prizes), std::nullopt);
        const RealPrizeMoney money = realPrizeMoney(rounds, prizes);
        QCOMPARE(money.rounds, 2);
        QCOMPARE(money.pricedRounds, 1);
        QCOMPARE(money.hitsLeftOut, 2);
        QCOMPARE(money.tickets, 8);
        QCOMPARE(money.costYen, 1'600);
        QCOMPARE(money.returnYen, 42'200);
        QCOMPARE(money.balanceYen(), 40'600);
        QCOMPARE(money.returnRate().percentText(), "2637.50%");
    }
};

QTEST_APPLESS_MAIN(TestRealPrizeMoney)
#include "test_real_prize_money.moc"
