#include <QTest>

#include "data/code_page.h"
#include "data/lines.h"
#include "data/prize_file.h"

using namespace k4;

namespace {

const QString kHeader = "回号,当せん番号,ストレート,ボックス,セットストレート,セットボックス";

// The prize file of `rows` as the program writes it.
PrizeTable prizeTable(const QStringList& rows) {
    const PrizeFileReading reading = readPrizeFile(writeLines(QStringList{kHeader} + rows));
    Q_ASSERT(!reading.problem);
    return reading.prizes;
}

}  // namespace

class TestPrizeFile : public QObject {
    Q_OBJECT

private slots:
    // Prize files as the program writes them and as a spreadsheet saves them again: the rows
    // read, each written back as the program writes it, or the first bad line and its reason.
    void readsPrizeRows_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<qsizetype>("line");
        QTest::addColumn<QString>("reason");
        const QStringList own = {"7051,0419,1013700,42200,527900,21100", "7053,5555,1234500,,,"};
        QTest::newRow("the program's own file, four equal digits without box and set")
            << writeLines(QStringList{kHeader} + own) << own << qsizetype(0) << "";
        const QByteArray spreadsheet =
            "\xEF\xBB\xBF" + kHeader.toUtf8() + "\n\"7051\",419,\"1013700\",,527900,21100\n,,,,,\n";
        QTest::newRow("UTF-8 with a byte-order mark, LF, quoted, leading zero dropped, blank row")
            << spreadsheet << QStringList{"7051,0419,1013700,,527900,21100"} << qsizetype(0) << "";
        QTest::newRow("UTF-8 without a byte-order mark, spaces around cells")
            << (kHeader + "\r\n 7051 , 0419 ,1013700, 42200 ,,\r\n").toUtf8()
            << QStringList{"7051,0419,1013700,42200,,"} << qsizetype(0) << "";
        QTest::newRow("an empty file") << QByteArray() << QStringList{} << qsizetype(0) << "";
        const auto bad = [](const char* name, const QString& row, qsizetype line,
                            const QString& reason) {
            QTest::newRow(name) << writeLines({kHeader, "7049,3317,892300,74300,483300,37100", row})
                                << QStringList{} << line << reason;
        };
        QTest::newRow("another header")
            << QByteArray("round,result,straight,box,set_straight,set_box\r\n") << QStringList{}
            << qsizetype(1)
            << "見出しが「回号,当せん番号,ストレート,ボックス,セットストレート,セットボックス」"
               "ではありません。";
        bad("grouped thousands", "7051,0419,\"1,013,700\",42200,,", 3,
            "ストレートの金額「1,013,700」が 0〜9999999999 円の整数ではありません。");
        bad("yen sign", "7051,0419,1013700円,42200,,", 3,
            "ストレートの金額「1013700円」が 0〜9999999999 円の整数ではありません。");
        bad("negative amount", "7051,0419,,-200,,", 3,
            "ボックスの金額「-200」が 0〜9999999999 円の整数ではありません。");
        bad("amount past ten billion", "7051,0419,,,,10000000000", 3,
            "セットボックスの金額「10000000000」が 0〜9999999999 円の整数ではありません。");
        bad("marked round", "第7051回,0419,,,,", 3,
            "回号「第7051回」が 1〜32766 の数ではありません。");
        bad("round 0", "0,0419,,,,", 3, "回号「0」が 1〜32766 の数ではありません。");
        bad("round past the last", "32767,0419,,,,", 3,
            "回号「32767」が 1〜32766 の数ではありません。");
        bad("round twice", "7049,3317,,,,", 3, "第7049回の行が二つあります。");
        bad("rounds out of order", "7048,0419,,,,", 3,
            "第7048回が第7049回の後にあります (回号の順に並べてください)。");
        bad("five digits", "7051,12345,,,,", 3, "当せん番号「12345」が 4 桁の数字ではありません。");
        bad("no result", "7051,,1013700,,,", 3, "当せん番号「」が 4 桁の数字ではありません。");
        bad("a column short", "7051,0419,1013700,42200,527900", 3,
            "列が 6 つではなく 5 つあります。");
    }
    void readsPrizeRows() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, written);
        QFETCH(qsizetype, line);
        QFETCH(QString, reason);
        const PrizeFileReading reading = readPrizeFile(bytes);
        QCOMPARE(reading.problem ? reading.problem->line : 0, line);
        QCOMPARE(reading.problem ? reading.problem->reason : QString(), reason);
        QCOMPARE(prizeFileLines(reading.prizes), QStringList{kHeader} + written);
        if (!written.isEmpty())
            QCOMPARE(readPrizeFile(writeLines(prizeFileLines(reading.prizes))).prizes,
                     reading.prizes);
    }

    // Adding prizes to the kept ones: an amount fills an empty cell, an empty cell clears
    // nothing, and any disagreement refuses the whole merge.
    void mergesPrizes_data() {
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QStringList>("merged");
        QTest::addColumn<QList<int>>("newAmounts");
        QTest::addColumn<int>("newRounds");
        QTest::addColumn<QString>("conflict");
        const QString full = "7051,0419,1013700,42200,527900,21100";
        QTest::newRow("fills the empty cells")
            << QStringList{"7051,0419,1013700,,527900,"} << QStringList{full} << QStringList{full}
            << QList<int>{7051} << 0 << "";
        QTest::newRow("an empty cell never clears a kept amount")
            << QStringList{full} << QStringList{"7051,0419,,,,"} << QStringList{full}
            << QList<int>{} << 0 << "";
        QTest::newRow("new rounds, one with amounts, one with its result only")
            << QStringList{full}
            << QStringList{"7049,3317,892300,74300,483300,37100", "7050,1111,,,,"}
            << QStringList{"7049,3317,892300,74300,483300,37100", "7050,1111,,,,", full}
            << QList<int>{7049} << 2 << "";
        QTest::newRow("an amount that disagrees")
            << QStringList{full} << QStringList{"7049,3317,892300,,,", "7051,0419,1013700,42300,,"}
            << QStringList{full} << QList<int>{} << 0
            << "第7051回のボックスの当せん金が合いません (記録済み 42,200 円、追加分 42,300 円)。";
        QTest::newRow("a result that disagrees")
            << QStringList{full} << QStringList{"7051,0491,,,,"} << QStringList{full}
            << QList<int>{} << 0
            << "第7051回の当せん番号が合いません (記録済み 0419、追加分 0491)。";
    }
    void mergesPrizes() {
        QFETCH(QStringList, kept);
        QFETCH(QStringList, offered);
        QFETCH(QStringList, merged);
        QFETCH(QList<int>, newAmounts);
        QFETCH(int, newRounds);
        QFETCH(QString, conflict);
        const PrizeMerge merge = mergePrizes(prizeTable(kept), prizeTable(offered));
        QCOMPARE(merge.conflict ? merge.conflict->message(Language::Japanese) : QString(),
                 conflict);
        QCOMPARE(prizeFileLines(merge.prizes), QStringList{kHeader} + merged);
        QCOMPARE(QList<int>(merge.roundsWithNewAmounts.begin(), merge.roundsWithNewAmounts.end()),
                 newAmounts);
        QCOMPARE(merge.newRounds, qsizetype(newRounds));
        QCOMPARE(merge.changes(), newRounds > 0 || !newAmounts.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestPrizeFile)
#include "test_prize_file.moc"
