#include <QTest>

#include "data/data_files.h"
#include "data/file_names.h"
#include "platform/failure.h"
#include "support/test_folder.h"

using namespace k4;

namespace {

QByteArray numberedLines(int count) {
    QByteArray bytes;
    for (int i = 1; i <= count; ++i) bytes += QByteArray::number(1000 + i) + "\r\n";
    return bytes;
}

}  // namespace

class TestDataFiles : public QObject {
    Q_OBJECT

private slots:
    void readsTheCounterFromTheFirstLine_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<double>("counter");
        QTest::newRow("41") << QByteArray("41\r\n") << 41.0;
        QTest::newRow("spaces then 41") << QByteArray("   41\r\n") << 41.0;
        QTest::newRow("4 space 1") << QByteArray("4 1\r\n") << 41.0;
        QTest::newRow("no line end") << QByteArray("7") << 7.0;
        QTest::newRow("not a number") << QByteArray("abc\r\n") << 0.0;
        QTest::newRow("empty first line") << QByteArray("\r\n99\r\n") << 0.0;
        QTest::newRow("further lines ignored") << QByteArray("5\r\n6\r\n7\r\n") << 5.0;
        QTest::newRow("LF only") << QByteArray("12\n") << 12.0;
    }
    void readsTheCounterFromTheFirstLine() {
        QFETCH(QByteArray, bytes);
        QFETCH(double, counter);
        test::TestFolder bench;
        bench.writeFile(kCounterFile, bytes);
        QCOMPARE(DataFiles::counterIn(DataFiles(bench.files).readState()), counter);
    }

    void counterFailures_data() {
        QTest::addColumn<std::optional<QByteArray>>("bytes");
        QTest::addColumn<FailureKind>("kind");
        QTest::newRow("missing") << std::optional<QByteArray>() << FailureKind::FileNotFound;
        QTest::newRow("empty") << std::optional<QByteArray>("") << FailureKind::ReadPastEnd;
        QTest::newRow("10^400") << std::optional<QByteArray>("1" + QByteArray(400, '0'))
                                << FailureKind::Overflow;
    }
    void counterFailures() {
        QFETCH(std::optional<QByteArray>, bytes);
        QFETCH(FailureKind, kind);
        test::TestFolder bench;
        if (bytes) bench.writeFile(kCounterFile, *bytes);
        try {
            DataFiles::counterIn(DataFiles(bench.files).readState());
            QFAIL("no failure");
        } catch (const Failure& failure) {
            QCOMPARE(failure.kind(), kind);
            QCOMPARE(failure.fileName(), kCounterFile);
        }
    }

    void writesTheCounterAsOneLine() {
        QCOMPARE(DataFiles::counterLines(57), QStringList{"57"});
        QCOMPARE(DataFiles::counterLines(11.5), QStringList{"11.5"});
    }

    void readsExactly570Candidates() {
        test::TestFolder bench;
        bench.writeFile(kCandidateFile, numberedLines(571));
        const CandidateTable table = DataFiles::candidatesIn(DataFiles(bench.files).readState());
        QCOMPARE(table.slot(1), "1001");
        QCOMPARE(table.slot(570), "1570");
    }

    void fewerThan570CandidatesIsReadPastEnd() {
        test::TestFolder bench;
        bench.writeFile(kCandidateFile, numberedLines(569));
        QVERIFY_THROWS_EXCEPTION(Failure,
                                 DataFiles::candidatesIn(DataFiles(bench.files).readState()));
    }

    // Taking slot 300 out moves the later slots up; the emptied slot 100 is not written.
    void rewritesCandidatesWithoutEmptySlots() {
        test::TestFolder bench;
        bench.writeFile(kCandidateFile, numberedLines(571));
        DataFiles data(bench.files);
        CandidateTable table = DataFiles::candidatesIn(data.readState());
        table.clearSlot(100);
        table.moveToEnd(300, "0001");
        data.writeTextFile(kCandidateFile, table.fileLines());
        const QStringList written = readLines(*bench.fileBytes(kCandidateFile));
        QCOMPARE(written.size(), 569);
        QCOMPARE(written.at(98), "1099");
        QCOMPARE(written.at(99), "1101");
        QCOMPARE(written.at(297), "1299");
        QCOMPARE(written.at(298), "1301");
        QCOMPARE(written.at(567), "1570");
        QCOMPARE(written.last(), "0001");
    }

    void readsTheHistoryUpToALimit() {
        test::TestFolder bench;
        bench.writeFile(kHistoryFile, numberedLines(2500));
        DataFiles data(bench.files);
        QCOMPARE(DataFiles::historyIn(data.readState()).lines().size(), 2500);
        const ResultHistory first = DataFiles::historyIn(data.readState(), 1000);
        QCOMPARE(first.lines().size(), 1000);
        QCOMPARE(first.slot(1), "1001");
        QCOMPARE(first.slot(1000), "2000");
        QCOMPARE(first.slot(1001), QString());
        QCOMPARE(first.slot(0), QString());
    }

    void emptyHistoryIsNoFailure() {
        test::TestFolder bench;
        bench.writeFile(kHistoryFile, "");
        QVERIFY(DataFiles::historyIn(DataFiles(bench.files).readState()).lines().isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestDataFiles)
#include "test_data_files.moc"
