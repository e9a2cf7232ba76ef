#include <QTest>

#include "data/data_files.h"
#include "data/file_names.h"
#include "data/lines.h"
#include "predict/prediction.h"
#include "support/window_session.h"

using namespace k4;

namespace {

constexpr qsizetype kTenMegabytes = 10 * 1024 * 1024;

QByteArray tableFile() {
    QByteArray bytes;
    for (const char* line : {"0123", "0124", "0125"}) bytes += QByteArray(line) + "\r\n";
    return bytes.repeated(190);  // 570 lines
}

QByteArray historyFile(int lines) {
    QByteArray bytes;
    bytes.reserve(lines * 6);
    for (int i = 0; i < lines; ++i) bytes += QByteArray::number(1000 + i % 9000) + "\r\n";
    return bytes;
}

}  // namespace

class TestHostileInputs : public QObject {
    Q_OBJECT

private slots:
    void counterLines_data() {
        QTest::addColumn<QByteArray>("counter");
        QTest::addColumn<QString>("nextRound");  // empty: the start-up fails with overflow
        QTest::newRow("10^400") << "1" + QByteArray(400, '0') << "";
        QTest::newRow("1e9 reads as 1") << QByteArray("1e9\r\n") << "2";
        QTest::newRow("10 MB of letters") << QByteArray(kTenMegabytes, 'a') << "1";
        QTest::newRow("10 MB of digits") << QByteArray(kTenMegabytes, '7') << "";
        QTest::newRow("NUL bytes") << QByteArray(
                                          "4\0"
                                          "1\r\n",
                                          5)
                                   << "5";
        QTest::newRow("not code page 932") << QByteArray("\xff\x80 12\r\n") << "1";
    }
    void counterLines() {
        QFETCH(QByteArray, counter);
        QFETCH(QString, nextRound);
        test::TestBench bench;
        bench.writeDataFiles(historyFile(3), tableFile(), counter);
        test::WindowSession session(bench);
        if (nextRound.isEmpty()) {
            QCOMPARE(bench.dialogs.shown().last().text, "オーバーフローしました: kaisuu4.txt");
            QCOMPARE(bench.endedWith, 1);
        } else {
            QCOMPARE(session.nextRound(), nextRound);
            QVERIFY(!bench.endedWith);
        }
    }

    void tenMegabyteHistoryLine() {
        test::TestBench bench;
        bench.writeDataFiles(QByteArray(kTenMegabytes, '9') + "\r\n1234\r\n", tableFile(), "5\r\n");
        test::WindowSession session(bench);
        session.predict();
        QVERIFY(!bench.endedWith);
        QVERIFY(bench.fileBytes(kReportFile).has_value());
        session.registerResult("0125");
        QVERIFY(!bench.endedWith);
        const QStringList history = readLines(*bench.fileBytes(kHistoryFile));
        QCOMPARE(history.size(), 3);
        QCOMPARE(history.at(1).size(), kTenMegabytes);
    }

    void tenMegabyteCandidateLineIsAShortTable() {
        test::TestBench bench;
        bench.writeDataFiles(historyFile(20), QByteArray(kTenMegabytes, '1'), "5\r\n");
        test::WindowSession session(bench);
        session.predict();
        QCOMPARE(bench.dialogs.shown().last().text,
                 "ファイルの終わりを越えて読み込もうとしました: kri4key.dat");
        QVERIFY(!bench.fileBytes(kReportFile).has_value());
    }

    void millionLineHistory() {
        test::TestBench bench;
        const QByteArray history = historyFile(1'000'000);
        bench.writeDataFiles(history, tableFile(), "5\r\n");
        test::WindowSession session(bench);
        session.predict();
        QVERIFY(!bench.endedWith);
        // The prediction reads the first 1000 results only.
        const QStringList first = readLines(history, 1000);
        CandidateTable table = DataFiles::candidatesIn(DataFiles(bench.files).readState());
        QCOMPARE(session.predictions(), predict(table, ResultHistory(first), 10));
    }

    void millionLineHistoryIsListedWholeAndCutAtRegistration() {
        test::TestBench bench;
        bench.writeDataFiles(historyFile(1'000'000), tableFile(), "5\r\n");
        test::WindowSession session(bench);
        session.openRegistration();
        QVERIFY(session.registrationWindow());
        QCOMPARE(session.listedHistory().size(), qsizetype(1'000'000));
        session.registerResult("0125");
        QVERIFY(!bench.endedWith);
        const QStringList history = readLines(*bench.fileBytes(kHistoryFile));
        QCOMPARE(history.size(), 2000);
        QCOMPARE(history.first(), "0125");
        QCOMPARE(history.last(), "2998");  // the 1999th result of the old file
    }

    void tenMegabytesTypedAreRefused() {
        test::TestBench bench;
        bench.writeDataFiles(historyFile(3), tableFile(), "5\r\n");
        test::WindowSession session(bench);
        bench.dialogs.answerNext(Answer::No);
        session.registerResult(QString(kTenMegabytes, u'1'));
        QCOMPARE(bench.dialogs.shown().last().text, "終了しますか。");
        QVERIFY(
            session.registrationWindow());  // answered No: the window stays open, nothing is stored
        QCOMPARE(bench.fileBytes(kHistoryFile), historyFile(3));
        QCOMPARE(bench.fileBytes(kCounterFile), QByteArray("5\r\n"));
    }

    void historyBytesThatAreNotCodePage932() {
        test::TestBench bench;
        bench.writeDataFiles(QByteArray("\x81\r\n\xff\xfe\r\n12\0"
                                        "4\r\n\x82\x61\r\n",
                                        17),
                             tableFile(), "5\r\n");
        test::WindowSession session(bench);
        session.predict();
        session.registerResult("0123");
        QVERIFY(!bench.endedWith);
        const QStringList history = readLines(*bench.fileBytes(kHistoryFile));
        QCOMPARE(history.size(), 5);
        QCOMPARE(history.first(), "0123");
        QCOMPARE(history.at(3), QString::fromLatin1("12\0"
                                                    "4",
                                                    4));
        QCOMPARE(history.at(4), QString::fromUtf8("Ｂ"));
    }

    // Lines that are no combination are never listed and never match; a registration that
    // matches a later line writes the table back with 570 lines.
    void candidateBytesThatAreNotCodePage932() {
        test::TestBench bench;
        QByteArray table = QByteArray(
            "\x81\r\n\xff\xfe\x80\r\n01\0"
            "3\r\n\x82\x4f\x82\x50\x82\x51\x82\x52\r\n",
            24);
        table += tableFile().mid(4 * 6);  // 566 more lines
        bench.writeDataFiles(historyFile(100), table, "5\r\n");
        test::WindowSession session(bench);
        session.predict();
        QVERIFY(!bench.endedWith);
        session.registerResult("0124");
        QVERIFY(!bench.endedWith);
        const QStringList lines = readLines(*bench.fileBytes(kCandidateFile));
        QCOMPARE(lines.size(), 570);
        QCOMPARE(lines.at(2), QString::fromLatin1("01\0"
                                                  "3",
                                                  4));
        QCOMPARE(lines.at(3), QString::fromUtf8("０１２３"));
        QCOMPARE(lines.last(), "0124");
    }

    void candidateFileOfEmptyLines() {
        test::TestBench bench;
        const QByteArray empty = QByteArray("\r\n").repeated(570);
        bench.writeDataFiles(historyFile(100), empty, "5\r\n");
        test::WindowSession session(bench);
        session.predict();
        QVERIFY(session.predictions().isEmpty());
        QVERIFY(bench.fileBytes(kReportFile).has_value());
        session.registerResult("0123");
        QVERIFY(!bench.endedWith);
        QCOMPARE(bench.fileBytes(kCandidateFile), empty);
        QCOMPARE(bench.fileBytes(kCounterFile), QByteArray("6\r\n"));
    }
};

QTEST_MAIN(TestHostileInputs)
#include "test_hostile_inputs.moc"
