#include <QTest>

#include "data/data_files.h"
#include "data/file_names.h"
#include "data/lines.h"
#include "money/book_keeping.h"
#include "platform/failure.h"
#include "support/test_folder.h"
#include "support/tool_run.h"

using namespace k4;
using test::runToolWith;

namespace {

// Rounds 7051 to 7054 drawn 0419, 1234, 5023 and 0828; the prize file knows every round but 7053.
void writeDrawsAndPrizes(const test::TestFolder& bench) {
    bench.writeFile(kHistoryFile, writeLines({"0828", "5023", "1234", "0419"}));
    bench.writeFile(kCounterFile, "7054\r\n");
    bench.writeFile(
        kPrizeFile,
        writeLines({"回号,当せん番号,ストレート,ボックス,セットストレート,セットボックス",
                    "7051,0419,1013700,42200,527900,21100", "7052,1234,901500,37500,469500,18700",
                    "7054,0828,500000,80000,290000,40000"}));
}

Ticket ticket(qint32 firstRound, int rounds, const char* number, TicketKind kind, int units) {
    return {QDate(2026, 12, 1), firstRound, rounds, number, kind, units};
}

// Each kind of win, a miss, a win whose prize is not kept and rounds not drawn yet. By hand:
// 1,013,700 × 1 (straight), 42,200 × 2 (box), a miss, 18,700 (set-box: 2143 on 1234), 469,500
// (set-straight), a box win in 7053 without an amount, 80,000 (box on 0828) and two rounds
// pending. Drawn: 7 rounds costing 200 + 2 × 400 + 4 × 200 = 1,800 yen.
const TicketBook kBook = {
    ticket(7051, 1, "0419", TicketKind::Straight, 1), ticket(7051, 2, "9140", TicketKind::Box, 2),
    ticket(7052, 1, "2143", TicketKind::Set, 1),      ticket(7052, 1, "1234", TicketKind::Set, 1),
    ticket(7053, 1, "3205", TicketKind::Box, 1),      ticket(7054, 3, "2880", TicketKind::Box, 1),
};

}  // namespace

class TestTickets : public QObject {
    Q_OBJECT

private slots:
    void listsTheBookWithItsTotals() {
        test::TestFolder bench;
        writeDrawsAndPrizes(bench);
        bench.writeFile(kTicketFile, writeLines(ticketBookLines(kBook)));
        const test::ToolRun run =
            runToolWith({"tickets", "--folder", bench.path({}), "--csv", bench.path("book.csv")});
        QCOMPARE(run.status, kExitSuccess);
        QVERIFY2(run.out.contains(
                     "  2  7051-7052  9140  box       2 units  800 yen  7051 box 84,400 yen; "
                     "7052 no win\n"),
                 qPrintable(run.out));
        QVERIFY(
            run.out.contains("1234  set        1 unit  200 yen  7052 set-straight 469,500 yen\n"));
        QVERIFY(run.out.contains("7053 box, amount unknown\n"));
        QVERIFY(run.out.contains("7054 box 80,000 yen; 7055-7056 not drawn\n"));
        QVERIFY2(run.out.endsWith("  tickets                       6\n"
                                  "  rounds drawn                  7\n"
                                  "  rounds pending                2  (400 yen)\n"
                                  "  cost of the rounds drawn      1,800 yen\n"
                                  "  prizes won                    1,666,300 yen  (6 wins, 1 "
                                  "without an amount)\n"
                                  "  balance                       1,664,500 yen\n"
                                  "  return rate                   92572.22%\n"),
                 qPrintable(run.out));

        const QList<QByteArray> rows = bench.fileBytes("book.csv")->split('\n');
        QCOMPARE(rows.size(), 11);  // the header, 9 ticket-rounds and the end of the last line
        QCOMPARE(rows[0], "round,number,kind,units,result,cost,prize\r");
        QCOMPARE(rows[2], "7051,9140,box,2,box,400,84400\r");
        QCOMPARE(rows[3], "7052,9140,box,2,miss,400,0\r");
        QCOMPARE(rows[6], "7053,3205,box,1,box,200,\r");
        QCOMPARE(rows[8], "7055,2880,box,1,pending,200,\r");

        const test::ToolRun japanese =
            runToolWith({"tickets", "--folder", bench.path({})}, Language::Japanese);
        QVERIFY2(japanese.out.contains("  当せん金                      1,666,300 円（当せん 6 回、"
                                       "うち金額未登録 1 回）\n"),
                 qPrintable(japanese.out));
    }

    // A ticket is written only as the window would take it; a book or a prize file that does
    // not read stops every command with its line and reason; nothing is written then.
    void refusesAndWritesNothing_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("book");    // null: none
        QTest::addColumn<QByteArray>("prizes");  // null: the good one
        QTest::addColumn<QString>("err");
        const QByteArray badBook =
            writeLines({ticketBookHeader(), "2026/12/01,7051,1,12a4,ボックス,1"});
        const QByteArray oneTicket = writeLines(ticketBookLines({kBook.front()}));
        QTest::newRow("four equal digits as a box")
            << QStringList{"add", "1111", "--kind", "box"} << QByteArray() << QByteArray()
            << "1111 はボックスでは買えません";
        QTest::newRow("eleven units")
            << QStringList{"add", "0419", "--kind", "set", "--units", "11"} << QByteArray()
            << QByteArray() << "口数 11";
        QTest::newRow("five digits") << QStringList{"add", "04190", "--kind", "straight"}
                                     << QByteArray() << QByteArray() << "04190";
        QTest::newRow("no second ticket")
            << QStringList{"remove", "2"} << oneTicket << QByteArray() << "no ticket 2";
        QTest::newRow("a bad row in the book, adding")
            << QStringList{"add", "0419", "--kind", "box"} << badBook << QByteArray()
            << "kounyuu4.csv: the file holds a row that does not read: 2 行目";
        QTest::newRow("a bad row in the book, listing")
            << QStringList{} << badBook << QByteArray() << "2 行目: 番号「12a4」";
        QTest::newRow("a bad row in the prize file")
            << QStringList{} << oneTicket << writeLines({"回号", "x"}) << "haitou4.csv";
    }
    void refusesAndWritesNothing() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, book);
        QFETCH(QByteArray, prizes);
        QFETCH(QString, err);
        test::TestFolder bench;
        writeDrawsAndPrizes(bench);
        if (!book.isNull()) bench.writeFile(kTicketFile, book);
        if (!prizes.isNull()) bench.writeFile(kPrizeFile, prizes);
        const test::ToolRun run = runToolWith(QStringList{"tickets"} + arguments +
                                              QStringList{"--folder", bench.path({})});
        QCOMPARE(run.status, kExitFailure);
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
        QCOMPARE(bench.fileBytes(kTicketFile), book.isNull() ? std::nullopt : std::optional(book));
    }

    // Typed as the registration window takes it, the next round by default, dated by the clock;
    // removed by its place in the list.
    void addsAndRemovesTickets() {
        test::TestFolder bench;
        writeDrawsAndPrizes(bench);
        const QString folder = bench.path({});
        QCOMPARE(runToolWith({"tickets", "add", QStringLiteral("　０４１９ "), "--kind", "box",
                              "--folder", folder},
                             Language::English, nullptr, bench.clock)
                     .status,
                 kExitSuccess);
        const test::ToolRun second =
            runToolWith({"tickets", "add", "1234", "--kind", "straight", "--units", "3", "--round",
                         "7060", "--rounds", "2", "--folder", folder});
        QCOMPARE(second.status, kExitSuccess);
        QCOMPARE(second.out,
                 "Recorded as ticket 2: 7060-7061  1234  straight  3 units  1,200 yen\n");
        const DataFilesState read = DataFiles(bench.files).readState();
        TicketBook book = ticketBookIn(read);
        QCOMPARE(book.size(), std::size_t(2));
        QCOMPARE(book[0], (Ticket{bench.clock.today(), 7055, 1, "0419", TicketKind::Box, 1}));
        QCOMPARE(book[1].firstRound, 7060);

        QCOMPARE(runToolWith({"tickets", "remove", "1", "--folder", folder}).status, kExitSuccess);
        QCOMPARE(ticketBookIn(DataFiles(bench.files).readState()), TicketBook{book[1]});
    }

    // Two copies that read the same book each add a ticket: the second commit finds the book
    // changed and writes nothing, so that the first one's ticket is not lost.
    void twoCopiesAddingTicketsLoseNone() {
        test::TestFolder bench;
        writeDrawsAndPrizes(bench);
        DataFiles files(bench.files);
        const DataFilesState first = files.readState();
        const DataFilesState second = files.readState();
        recordTickets(files, {kBook[0]}, first);
        try {
            recordTickets(files, {kBook[1]}, second);
            QFAIL("the second copy wrote over the first one's ticket");
        } catch (const Failure& failure) {
            QCOMPARE(failure.kind(), FailureKind::ChangedElsewhere);
        }
        QCOMPARE(ticketBookIn(files.readState()), TicketBook{kBook[0]});
    }
};

QTEST_GUILESS_MAIN(TestTickets)
#include "test_tickets.moc"
