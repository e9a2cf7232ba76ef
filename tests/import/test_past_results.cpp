#include <QTest>

#include "data/code_page.h"
#include "import/import_messages.h"
#include "import/past_results.h"
#include "support/past_results_files.h"
#include "support/random_draws.h"

using namespace k4;

class TestPastResults : public QObject {
    Q_OBJECT

private slots:
    // Every shape reads as the results oldest first with the round of the first, whatever the
    // columns, the order, the encoding and the line ends.
    void readsTheShapesPlayersHave_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<int>("firstRound");   // 0: not numbered
        QTest::addColumn<QString>("skipped");  // the lines around the table, as the summary says
        const QStringList two = {"0419", "5023"};
        const QStringList draws = test::randomDraws(30, 5);
        QTest::newRow("LF") << QByteArray("0419\n5023\n") << two << 0 << QString();
        QTest::newRow("CR LF, no end on the last")
            << QByteArray("0419\r\n5023") << two << 0 << QString();
        QTest::newRow("blank lines") << QByteArray("\n0419\n\n  \n5023\n") << two << 0 << QString();
        QTest::newRow("round, tab") << QByteArray("41\t0419\n42\t5023\n") << two << 41 << QString();
        QTest::newRow("round, spaces")
            << QByteArray("41   0419\n42 5023\n") << two << 41 << QString();
        QTest::newRow("CSV with header and quotes")
            << QByteArray("round,result\r\n\"41\",\"0419\"\r\n42, 5023\r\n") << two << 41
            << QString();
        QTest::newRow("Japanese header, UTF-8 with BOM")
            << (QByteArray("\xEF\xBB\xBF") +
                QStringLiteral("回,当選番号\n41,0419\n42,5023\n").toUtf8())
            << two << 41 << QString();
        QTest::newRow("full width, UTF-8")
            << QStringLiteral("４１　０４１９\n４２　５０２３\n").toUtf8() << two << 41
            << QString();
        QTest::newRow("full width, code page 932")
            << encodeCodePage(QStringLiteral("　０４１９　\r\n５０２３\r\n")) << two << 0
            << QString();
        QTest::newRow("public CSV, Japanese header")
            << test::publicResultsCsv(draws) << draws << 1 << QString();
        QTest::newRow("public CSV, newest first")
            << test::publicResultsCsv(draws, 7025, true) << draws << 7025 << QString();
        QTest::newRow("public CSV, code page 932")
            << encodeCodePage(QString::fromUtf8(test::publicResultsCsv(draws, 9))) << draws << 9
            << QString();
        QTest::newRow("English header, columns in another order")
            << QByteArray(
                   "draw_date,winning_number,prize,draw_no\n2026-08-20,0419,39200,7053\n"
                   "2026-08-21,5023,37000,7054\n")
            << two << 7053 << QString();
        QTest::newRow("table copied from a page: tabs, dates, newest first, no header")
            << test::copiedResultsTable(draws, 200).toUtf8() << draws << 200 << QString();
        QTest::newRow("full-width rounds, quoted prizes with commas")
            << QStringLiteral("第１２３回,\"942,600\",0419\n第 １２４ 回,\"1,078,500\",5023\n")
                   .toUtf8()
            << two << 123 << QString();
        QTest::newRow("a spreadsheet dropped the leading zeros of a named column")
            << QByteArray("回号,当せん番号,日付\r\n1,97,2026/08/20\r\n2,5023,2026/08/21\r\n")
            << QStringList{"0097", "5023"} << 1 << QString();
        QTest::newRow("dates without rounds, newest first")
            << QStringLiteral("2026年8月21日(金),5023\n2026年8月20日(木),0419\n").toUtf8() << two
            << 0 << QString();
        QTest::newRow("header after blank lines, repeated further down")
            << QByteArray("\n\nround,result\n1,0419\nround,result\n2,5023\n") << two << 1
            << QString();
        QTest::newRow("four-digit rounds beside four-digit results")
            << QByteArray("1000,0419,x\n1001,5023,y\n") << two << 1000 << QString();
        QTest::newRow("table copied with its title, a note and a footer")
            << ("ナンバーズ4 抽せん結果\n\n※ 毎週月〜金曜日\n回号\t抽せん日\t当せん番号\n" +
                test::copiedResultsTable(draws, 200) + "\n出典: 公式サイト\n全 30 件\n")
                   .toUtf8()
            << draws << 200 << "Lines 1 to 3 and 36 to 37 are outside the table and were skipped.";
    }

    void readsTheShapesPlayersHave() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, results);
        QFETCH(int, firstRound);
        QFETCH(QString, skipped);
        const std::optional<PastResults> read = readPastResults(bytes);
        QVERIFY2(read->readable(),
                 qPrintable(read->badLines.isEmpty()
                                ? QString("no column")
                                : badLineText(read->badLines[0], Language::English)));
        QCOMPARE(read->results, results);
        QCOMPARE(read->firstRound.value_or(0), firstRound);
        QCOMPARE(outsideLinesText(*read, Language::English), skipped);
    }

    // A prize column named as files name it, and a cell as they write it: the amount in yen,
    // none, or a bad line naming the cell and its column. A table copied from a page separates
    // its cells with tabs, so that a cell may hold commas unquoted.
    void readsThePrizeCellsFilesHave_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("prize");  // the prize the column holds; empty for none
        QTest::addColumn<qint64>("yen");     // 0: no amount; -1: a bad line
        QTest::newRow("plain") << "ストレート"
                               << "1013700"
                               << "straight" << 1013700LL;
        QTest::newRow("grouped") << "ストレート当せん金"
                                 << "1,013,700"
                                 << "straight" << 1013700LL;
        QTest::newRow("grouped, yen") << "セット(ストレート)"
                                      << "1,013,700円"
                                      << "setStraight" << 1013700LL;
        QTest::newRow("full-width brackets, digits and comma") << "セット（ボックス）当せん金"
                                                               << "１８，７００円"
                                                               << "setBox" << 18700LL;
        QTest::newRow("quoted, yen sign") << "box_payout"
                                          << "\"¥37,500\""
                                          << "box" << 37500LL;
        QTest::newRow("English, spaced") << "Set Straight Payout"
                                         << "510500"
                                         << "setStraight" << 510500LL;
        QTest::newRow("set_box_payout") << "set_box_payout"
                                        << "19400"
                                        << "setBox" << 19400LL;
        QTest::newRow("no winner") << "ボックス"
                                   << "該当なし"
                                   << "box" << 0LL;
        QTest::newRow("zero") << "straight_payout"
                              << "0"
                              << "straight" << 0LL;
        QTest::newRow("empty: four equal digits") << "ボックス"
                                                  << ""
                                                  << "box" << 0LL;
        QTest::newRow("a dash") << "ボックス"
                                << "-"
                                << "box" << 0LL;
        QTest::newRow("letters") << "ボックス"
                                 << "12a"
                                 << "box" << -1LL;
        QTest::newRow("commas out of place") << "ボックス"
                                             << "1,01,3"
                                             << "box" << -1LL;
        QTest::newRow("past ten billion yen") << "ストレート"
                                              << "10,000,000,000円"
                                              << "straight" << -1LL;
        QTest::newRow("a count of winners, not a prize") << "ストレート口数"
                                                         << "12a"
                                                         << "" << 0LL;
    }
    void readsThePrizeCellsFilesHave() {
        QFETCH(QString, header);
        QFETCH(QString, cell);
        QFETCH(QString, prize);
        QFETCH(qint64, yen);
        const QByteArray file =
            QStringLiteral("回号\t当せん番号\t%1\n第7053回\t0419\t%2\n").arg(header, cell).toUtf8();
        const PastResults read = *readPastResults(file);
        if (yen < 0) {
            QCOMPARE(read.badLineCount, 1);
            QCOMPARE(badLineText(read.badLines[0], Language::English),
                     QStringLiteral("\"%1\" is not an amount of yen (column 3)").arg(cell));
            QVERIFY(read.prizes.empty());
            return;
        }
        QVERIFY(read.readable());
        const QList<PrizeColumnAt>& columns = std::get<FileLayout>(read.shape.layout).prizeColumns;
        const std::map<QString, std::optional<qint64> RoundPrizes::*> amounts = {
            {"straight", &RoundPrizes::straight},
            {"box", &RoundPrizes::box},
            {"setStraight", &RoundPrizes::setStraight},
            {"setBox", &RoundPrizes::setBox}};
        RoundPrizes expected{7053, "0419", {}, {}, {}, {}};
        if (prize.isEmpty()) {
            QVERIFY(columns.isEmpty());
        } else {
            QCOMPARE(columns, (QList<PrizeColumnAt>{{2, amounts.at(prize)}}));
            if (yen > 0) expected.*amounts.at(prize) = yen;
        }
        QCOMPARE(read.prizes, (PrizeTable{{7053, expected}}));
    }
};

QTEST_GUILESS_MAIN(TestPastResults)
#include "test_past_results.moc"
