#include <QTest>

#include "data/lines.h"
#include "money/settlement.h"
#include "money/ticket_totals.h"

using namespace k4;

namespace {

// The draws every row settles against. The history holds rounds 7051 to 7054, 7054 the newest
// drawn; the prize file holds 7049, older than the history, and rounds 7051 to 7054, where the
// box prize of 7052 is not kept, 7053 (four equal digits) sold no box or set, and the row of
// 7054 names another result than the history (a deletion, then another registration). The
// blank line of the history was never a round.
DrawnRounds drawnRounds() {
    DataFilesState state;
    state[DataFile::History] = "0882\r\n5555\r\n\r\n1234\r\n0419\r\n";
    state[DataFile::Counter] = "7054\r\n";
    return drawnRoundsIn(state);
}

PrizeTable prizeTable() {
    return readPrizeFile(writeLines({
                             "回号,当せん番号,ストレート,ボックス,セットストレート,セットボックス",
                             "7049,3317,892300,74300,483300,37100",
                             "7051,0419,1013700,42200,527900,21100",
                             "7052,1234,901500,,,",
                             "7053,5555,1234500,,,",
                             "7054,0828,500000,80000,290000,40000",
                         }))
        .prizes;
}

// A settled round as the table below writes it: はずれ as "miss", a win as its kind and amount
// ("box ?" where the amount is not kept), "!" after a round whose prize row was set aside.
QString described(const SettledRound& round) {
    QString text;
    switch (round.outcome) {
        case RoundOutcome::Pending:
            text = "pending";
            break;
        case RoundOutcome::ResultUnknown:
            text = "unknown";
            break;
        case RoundOutcome::Miss:
            text = "miss";
            break;
        case RoundOutcome::Won:
        case RoundOutcome::AmountUnknown:
            text = winKindText(*round.win, Language::English) + " " +
                   (round.outcome == RoundOutcome::Won ? QString::number(round.prizeYen) : "?");
            break;
    }
    return round.prizeRowSetAside ? text + "!" : text;
}

const QDate kBought(2026, 12, 9);

}  // namespace

class TestSettlement : public QObject {
    Q_OBJECT

private slots:
    // Each round of one ticket against the draws above. The amounts are the prizes per unit
    // of the prize file times the units, worked out by hand.
    void settlesEachRound_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<TicketKind>("kind");
        QTest::addColumn<int>("units");
        QTest::addColumn<int>("firstRound");
        QTest::addColumn<int>("rounds");
        QTest::addColumn<QStringList>("outcomes");
        const auto row = [](const char* name, const char* number, TicketKind kind, int units,
                            int firstRound, int rounds, const QStringList& outcomes) {
            QTest::newRow(name) << number << kind << units << firstRound << rounds << outcomes;
        };
        using K = TicketKind;
        row("straight, exact", "0419", K::Straight, 1, 7051, 1, {"straight 1013700"});
        row("straight, reordered", "4019", K::Straight, 1, 7051, 1, {"miss"});
        row("straight, missed", "7777", K::Straight, 1, 7051, 1, {"miss"});
        row("box, exact", "0419", K::Box, 1, 7051, 1, {"box 42200"});
        row("box, reordered", "9140", K::Box, 1, 7051, 1, {"box 42200"});
        row("box, missed", "0418", K::Box, 1, 7051, 1, {"miss"});
        row("set, exact: the set-straight only", "0419", K::Set, 1, 7051, 1,
            {"set-straight 527900"});
        row("set, reordered", "1490", K::Set, 1, 7051, 1, {"set-box 21100"});
        row("set, missed", "1235", K::Set, 1, 7051, 1, {"miss"});
        row("box, three units: 3 × 42,200", "9140", K::Box, 3, 7051, 1, {"box 126600"});
        row("set, exact, two units: 2 × 527,900", "0419", K::Set, 2, 7051, 1,
            {"set-straight 1055800"});
        // 7049 from the prize file alone (2 × 483,300), 7050 held by neither file, 7054 settled
        // on the history's result with the prize file's row set aside, 7055 on not drawn yet.
        row("a run across the newest drawn round", "3317", K::Set, 2, 7049, 8,
            {"set-straight 966600", "unknown", "miss", "miss", "miss", "miss!", "pending",
             "pending"});
        row("box won, its prize not kept", "4321", K::Box, 1, 7052, 1, {"box ?"});
        row("straight in the same round, its prize kept", "1234", K::Straight, 2, 7052, 1,
            {"straight 1803000"});
        row("four equal digits as a straight", "5555", K::Straight, 1, 7053, 1,
            {"straight 1234500"});
        row("won on the history's result, the disagreeing row not used", "0882", K::Straight, 1,
            7054, 1, {"straight ?!"});
        row("the disagreeing row's result wins nothing", "0828", K::Straight, 1, 7054, 1,
            {"miss!"});
    }
    void settlesEachRound() {
        QFETCH(QString, number);
        QFETCH(TicketKind, kind);
        QFETCH(int, units);
        QFETCH(int, firstRound);
        QFETCH(int, rounds);
        QFETCH(QStringList, outcomes);
        const Ticket ticket{kBought, firstRound, rounds, number, kind, units};
        QCOMPARE(ticketProblem(ticket), QString());
        QStringList settled;
        for (const SettledRound& round : settle({ticket}, drawnRounds(), prizeTable())) {
            QCOMPARE(round.costYen, 200 * units);
            settled.append(described(round));
        }
        QCOMPARE(settled, outcomes);
    }

    // Three tickets of the table above: the totals, per month and per year of purchase, and
    // the balance after each round, worked out by hand.
    void totalsTheBook() {
        const TicketBook book = {
            {QDate(2026, 11, 30), 7049, 8, "3317", TicketKind::Set, 2},  // 966,600 yen
            {QDate(2026, 12, 1), 7052, 1, "4321", TicketKind::Box, 1},   // a win without amount
            {QDate(2026, 12, 9), 7051, 1, "9140", TicketKind::Box, 3},   // 126,600 yen
        };
        const std::vector<SettledRound> settled = settle(book, drawnRounds(), prizeTable());
        TicketTotals expected;
        expected.tickets = 3;
        expected.roundsDrawn = 8;  // 6 + 1 + 1
        expected.roundsWithoutResult = 1;
        expected.roundsPending = 2;
        expected.pendingCostYen = 800;  // 2 rounds × 2 units × 200
        expected.drawnCostYen = 3200;   // 6 × 400 + 200 + 600
        expected.prizesYen = 1'093'200;
        expected.wins = 3;
        expected.winsWithoutAmount = 1;
        const TicketTotals totals = totalsOf(book, settled);
        QCOMPARE(totals, expected);
        QCOMPARE(totals.balanceYen(), 1'090'000);
        QCOMPARE(totals.returnRate().percentText(), "34162.50%");

        const std::vector<PeriodTotals> months = totalsByMonth(book, settled);
        QCOMPARE(months.size(), 2u);
        QCOMPARE(months[0].month, 11);
        QCOMPARE(months[0].totals.drawnCostYen, 2400);
        QCOMPARE(months[0].totals.prizesYen, 966'600);
        QCOMPARE(months[1].month, 12);
        QCOMPARE(months[1].totals.tickets, 2);
        QCOMPARE(months[1].totals.drawnCostYen, 800);
        QCOMPARE(months[1].totals.prizesYen, 126'600);
        const std::vector<PeriodTotals> years = totalsByYear(book, settled);
        QCOMPARE(years.size(), 1u);
        QCOMPARE(years[0].year, 2026);
        QCOMPARE(years[0].totals, expected);

        QList<qint64> balances;
        for (const RoundBalance& round : balanceByRound(settled)) balances.append(round.balanceYen);
        QCOMPARE(balances,
                 (QList<qint64>{966'200, 965'800, 1'091'400, 1'090'800, 1'090'400, 1'090'000}));
    }

    void formatsTheReturnRate_data() {
        QTest::addColumn<qint64>("returnYen");
        QTest::addColumn<qint64>("costYen");
        QTest::addColumn<QString>("text");
        QTest::newRow("75,400 over 16,000") << qint64(75'400) << qint64(16'000) << "471.25%";
        QTest::newRow("nothing won") << qint64(0) << qint64(16'000) << "0.00%";
        QTest::newRow("a third, down") << qint64(1) << qint64(3) << "33.33%";
        QTest::newRow("two thirds, up") << qint64(2) << qint64(3) << "66.67%";
        QTest::newRow("half a hundredth, up") << qint64(1) << qint64(20'000) << "0.01%";
        QTest::newRow("up into the next whole") << qint64(19'999) << qint64(20'000) << "100.00%";
        QTest::newRow("prizes of a lifetime")
            << qint64(9'999'999'999) * 500'000 << qint64(200) << "2499999999750000.00%";
        QTest::newRow("nothing paid") << qint64(0) << qint64(0) << "";
    }
    void formatsTheReturnRate() {
        QFETCH(qint64, returnYen);
        QFETCH(qint64, costYen);
        QFETCH(QString, text);
        QCOMPARE((ReturnRate{returnYen, costYen}.percentText()), text);
    }
};

QTEST_APPLESS_MAIN(TestSettlement)
#include "test_settlement.moc"
