#include <QFile>
#include <QTest>

#include "data/data_files.h"
#include "data/file_names.h"
#include "predict/prediction.h"
#include "predict/prediction_files.h"
#include "predict/report.h"
#include "support/test_data.h"
#include "support/test_folder.h"

using namespace k4;
using test::golden;

namespace {

const QString kDate = QStringLiteral("12-07-2026");
const QString kTitle = QStringLiteral(" 回 キリカータ ４ ＢＯＸ 予想結果; Vr_1.20 ");
const QString kEmptyRow = QString(21, u' ');

// Results 1001, 1002 … numbered from the newest.
ResultHistory numberedHistory(int count) {
    QStringList lines;
    for (int j = 1; j <= count; ++j) lines << QString::number(1000 + j);
    return ResultHistory(lines);
}

QStringList combinations(int count) {
    QStringList items;
    for (int i = 0; i < count; ++i) items << QString::number(2000 + i);
    return items;
}

QStringList report(const QString& roundText, const QStringList& predictions,
                   const ResultHistory& history) {
    const std::optional<std::int32_t> round = reportRound(roundText);
    if (!round) qFatal("round out of range");
    return reportLines({roundText, *round, predictions, history, QDate(2026, 12, 7)});
}

// The cell of history slot j: row (j - 1) % 25, column (j - 1) / 25 of the table.
QString cell(const QStringList& lines, int j) {
    constexpr int kFirstRow = 17;
    constexpr int kCellWidth = 17;
    const QString& row = lines.at(kFirstRow + (j - 1) % 25);
    const int column = (j - 1) / 25;
    return column < 3 ? row.mid(column * kCellWidth, kCellWidth) : row.mid(3 * kCellWidth);
}

}  // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    // The whole Predict work on a fixed data folder, byte for byte.
    void matchesTheGoldenReport() {
        test::TestFolder bench;
        bench.writeFile(kCandidateFile, golden(kCandidateFile));
        bench.writeFile(kHistoryFile, golden(kHistoryFile));
        DataFiles files(bench.files);
        const PredictionData data = predictionDataIn(files.readState());
        const QStringList predictions = predict(data.candidates, data.history, 25);
        QCOMPARE(predictions.size(), 25);
        const QString roundText = QStringLiteral("57");
        writeReport(files, reportLines({roundText, *reportRound(roundText), predictions,
                                        data.history, bench.clock.today()}));
        QCOMPARE(bench.fileBytes(kReportFile), golden(kReportFile));
    }

    void readsTheRoundNumber_data() {
        QTest::addColumn<QString>("roundText");
        QTest::addColumn<std::optional<std::int32_t>>("round");
        using Round = std::optional<std::int32_t>;
        QTest::newRow("500") << "500" << Round(500);
        QTest::newRow("12a3") << "12a3" << Round(12);
        QTest::newRow("blanks inside") << " 4\t2 " << Round(42);
        QTest::newRow("not a number") << "abc" << Round(0);
        QTest::newRow("empty") << "" << Round(0);
        QTest::newRow("11.5 to even 12") << "11.5" << Round(12);
        QTest::newRow("12.5 to even 12") << "12.5" << Round(12);
        QTest::newRow("largest") << "2147483647" << Round(2147483647);
        QTest::newRow("past the largest") << "2147483648" << Round();
        QTest::newRow("rounds past the largest") << "2147483647.5" << Round();
        QTest::newRow("lowest, 100 back") << "-2147483548" << Round(-2147483548);
        QTest::newRow("100 back past the lowest") << "-2147483549" << Round();
        QTest::newRow("400 digits") << "1" + QString(400, u'0') << Round();
    }
    void readsTheRoundNumber() {
        QFETCH(QString, roundText);
        QFETCH(std::optional<std::int32_t>, round);
        QCOMPARE(reportRound(roundText), round);
    }

    void printsRoundsRightAlignedInFive_data() {
        QTest::addColumn<QString>("roundText");
        QTest::addColumn<QString>("newest");  // the round of history slot 1
        QTest::addColumn<QString>("oldest");  // the round of history slot 100
        QTest::newRow("500") << "500"
                             << "  499"
                             << "  400";
        QTest::newRow("5") << "5"
                           << "    4"
                           << "  -95";
        QTest::newRow("100 reaches 0") << "100"
                                       << "   99"
                                       << "    0";
        QTest::newRow("12a3") << "12a3"
                              << "   11"
                              << "  -88";
        QTest::newRow("five digits") << "10001"
                                     << "10000"
                                     << " 9901";
        QTest::newRow("six digits keep the last five") << "100001"
                                                       << "00000"
                                                       << "99901";
        QTest::newRow("-999") << "-999"
                              << "-1000"
                              << "-1099";
        QTest::newRow("minus five digits") << "-9900"
                                           << "-9901"
                                           << "10000";
    }
    void printsRoundsRightAlignedInFive() {
        QFETCH(QString, roundText);
        QFETCH(QString, newest);
        QFETCH(QString, oldest);
        const QStringList lines = report(roundText, {}, numberedHistory(100));
        QCOMPARE(cell(lines, 1), newest + " :( 1001 )  ");
        QCOMPARE(cell(lines, 100), oldest + " :( 1100 )");
    }

    void titlesTheRoundTextUnchanged() {
        QCOMPARE(report("12a3", {}, {}).at(2), kDate + " 第 12a3" + kTitle);
    }

    void printsTheFirstTwentyPredictions_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("empty list") << 0 << QStringList(4, kEmptyRow);
        QTest::newRow("ten") << 10
                             << QStringList{"    2000    2001    2002    2003    2004 ",
                                            "    2005    2006    2007    2008    2009 ", kEmptyRow,
                                            kEmptyRow};
        QTest::newRow("seven") << 7
                               << QStringList{"    2000    2001    2002    2003    2004 ",
                                              "    2005    2006             ", kEmptyRow,
                                              kEmptyRow};
        QTest::newRow("25, only 20 printed")
            << 25
            << QStringList{"    2000    2001    2002    2003    2004 ",
                           "    2005    2006    2007    2008    2009 ",
                           "    2010    2011    2012    2013    2014 ",
                           "    2015    2016    2017    2018    2019 "};
    }
    void printsTheFirstTwentyPredictions() {
        QFETCH(int, count);
        QFETCH(QStringList, rows);
        const QStringList lines = report("500", combinations(count), {});
        QCOMPARE(lines.size(), kReportLineCount);
        QCOMPARE((QStringList{lines.at(6), lines.at(8), lines.at(10), lines.at(12)}), rows);
        for (const int spaceLine : {1, 3, 5, 7, 9, 11, 13}) QCOMPARE(lines.at(spaceLine), " ");
    }

    void leavesMissingResultsEmpty() {
        const QStringList lines = report("500", {}, numberedHistory(30));
        QCOMPARE(lines.at(17), "  499 :( 1001 )    474 :( 1026 )    449 :(  )    424 :(  )");
        QCOMPARE(lines.at(21), "  495 :( 1005 )    470 :( 1030 )    445 :(  )    420 :(  )");
        QCOMPARE(lines.at(22), "  494 :( 1006 )    469 :(  )    444 :(  )    419 :(  )");
        QCOMPARE(lines.at(41), "  475 :( 1025 )    450 :(  )    425 :(  )    400 :(  )");
    }
};

QTEST_APPLESS_MAIN(TestReport)
#include "test_report.moc"
