#include <QTest>

#include "data/lines.h"
#include "data/ticket_book.h"

using namespace k4;

namespace {

const QString kHeader = "購入日,開始回,継続回数,番号,種類,口数";

}  // namespace

class TestTicketBook : public QObject {
    Q_OBJECT

private slots:
    // A row of the book as the program writes it or a spreadsheet saves it again, read from a
    // file in the program's code page with CR LF and from UTF-8 with a byte-order mark and LF:
    // the ticket written back as the program writes it, or the reason the row is refused.
    void readsTicketRows_data() {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("reason");
        const QString own = "2026/12/09,7055,1,0419,ボックス,1";
        QTest::newRow("the program's own row") << own << own << "";
        QTest::newRow("leading zero dropped, day without its zero")
            << "2026/12/9,7055,1,419,ボックス,1" << own << "";
        QTest::newRow("date with hyphens") << "2026-12-09,7055,1,0419,ボックス,1" << own << "";
        QTest::newRow("quoted cells") << "\"2026/12/09\",\"7055\",\"10\",\"0007\",\"セット\",\"10\""
                                      << "2026/12/09,7055,10,0007,セット,10"
                                      << "";
        QTest::newRow("four equal digits as a straight") << "2026/12/09,7055,1,1111,ストレート,3"
                                                         << "2026/12/09,7055,1,1111,ストレート,3"
                                                         << "";
        QTest::newRow("four equal digits as a box")
            << "2026/12/09,7055,1,1111,ボックス,1"
            << ""
            << "1111 はボックスでは買えません (4 桁がすべて同じ数字です)。";
        QTest::newRow("four equal digits as a set")
            << "2026/12/09,7055,1,0,セット,1"
            << ""
            << "0000 はセットでは買えません (4 桁がすべて同じ数字です)。";
        QTest::newRow("date mixing separators")
            << "2026/12-09,7055,1,0419,ボックス,1"
            << ""
            << "購入日「2026/12-09」が 2026/12/09 の形の日付ではありません。";
        QTest::newRow("no such day")
            << "2026/02/30,7055,1,0419,ボックス,1"
            << ""
            << "購入日「2026/02/30」が 2026/12/09 の形の日付ではありません。";
        QTest::newRow("first round 0") << "2026/12/09,0,1,0419,ボックス,1"
                                       << ""
                                       << "開始回「0」が 1〜32766 の数ではありません。";
        QTest::newRow("eleven rounds") << "2026/12/09,7055,11,0419,ボックス,1"
                                       << ""
                                       << "継続回数「11」が 1〜10 の数ではありません。";
        QTest::newRow("rounds past the last round")
            << "2026/12/09,32760,10,0419,ボックス,1"
            << ""
            << "第32760回から 10 回続けると最後の回 (第32766回) を越えます。";
        QTest::newRow("five digits") << "2026/12/09,7055,1,12345,ボックス,1"
                                     << ""
                                     << "番号「12345」が 4 桁の数字ではありません。";
        QTest::newRow("a letter") << "2026/12/09,7055,1,12a4,ボックス,1"
                                  << ""
                                  << "番号「12a4」が 4 桁の数字ではありません。";
        QTest::newRow("kind in English")
            << "2026/12/09,7055,1,0419,box,1"
            << ""
            << "種類「box」がストレート、ボックス、セットのどれでもありません。";
        QTest::newRow("no units") << "2026/12/09,7055,1,0419,ボックス,0"
                                  << ""
                                  << "口数「0」が 1〜10 の数ではありません。";
        QTest::newRow("units as a decimal") << "2026/12/09,7055,1,0419,ボックス,1.0"
                                            << ""
                                            << "口数「1.0」が 1〜10 の数ではありません。";
        QTest::newRow("a column short") << "2026/12/09,7055,1,0419,ボックス"
                                        << ""
                                        << "列が 6 つではなく 5 つあります。";
    }
    void readsTicketRows() {
        QFETCH(QString, row);
        QFETCH(QString, written);
        QFETCH(QString, reason);
        const QByteArray ownBytes = writeLines({kHeader, row});
        const QByteArray spreadsheetBytes = "\xEF\xBB\xBF" + (kHeader + "\n" + row + "\n").toUtf8();
        for (const QByteArray& bytes : {ownBytes, spreadsheetBytes}) {
            const TicketBookReading reading = readTicketBook(bytes);
            QCOMPARE(reading.problem ? reading.problem->line : 0, reason.isEmpty() ? 0 : 2);
            QCOMPARE(reading.problem ? reading.problem->reason : QString(), reason);
            const QStringList expected =
                reason.isEmpty() ? QStringList{kHeader, written} : QStringList{kHeader};
            QCOMPARE(ticketBookLines(reading.tickets), expected);
        }
    }

    void refusesAnotherHeader() {
        const TicketBookReading reading = readTicketBook("date,round,rounds,number,kind,units\r\n");
        QCOMPARE(reading.problem->line, 1);
        QCOMPARE(ticketBookProblem("date,round,rounds,number,kind,units\r\n"),
                 "kounyuu4.csv の 1 行目: 見出しが「購入日,開始回,継続回数,番号,種類,口数」"
                 "ではありません。");
    }

    void writesReadsAndRemovesTickets() {
        const Ticket first{QDate(2026, 11, 30), 7049, 8, "3317", TicketKind::Set, 2};
        const Ticket second{QDate(2026, 12, 1), 7052, 1, "4321", TicketKind::Box, 1};
        const Ticket third{QDate(2026, 12, 9), 7051, 1, "9140", TicketKind::Straight, 3};
        const TicketBook book = {first, second, third};
        QCOMPARE(readTicketBook(writeLines(ticketBookLines(book))).tickets, book);
        QCOMPARE(withoutTicket(book, 1), (TicketBook{first, third}));
        QCOMPARE(withoutTicket(book, 3), book);
    }
};

QTEST_APPLESS_MAIN(TestTicketBook)
#include "test_ticket_book.moc"
