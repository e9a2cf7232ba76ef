#include <QTest>

#include "data/data_files.h"
#include "data/file_names.h"
#include "platform/failure.h"
#include "register/deletion.h"
#include "support/folder_snapshot.h"
#include "support/test_data.h"
#include "support/test_folder.h"

using namespace k4;
using test::numberedEntries;

namespace {}  // namespace

class TestDeletion : public QObject {
    Q_OBJECT

private slots:
    void dropsExactlyTheNewestResult_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("history");
        QTest::newRow("three entries")
            << QStringList{"1111", "2222", "3333"} << QStringList{"2222", "3333"};
        QTest::newRow("one entry") << QStringList{"1111"} << QStringList{};
        QTest::newRow("empty entries dropped")
            << QStringList{"1111", "", "2222", ""} << QStringList{"2222"};
        QTest::newRow("2000 entries keep 1999")
            << numberedEntries(2000) << numberedEntries(2000).mid(1);
        QTest::newRow("2500 entries keep 1999")
            << numberedEntries(2500) << numberedEntries(2000).mid(1);
    }
    void dropsExactlyTheNewestResult() {
        QFETCH(QStringList, entries);
        QFETCH(QStringList, history);
        QCOMPARE(planDeletion(entries, 41)->history, history);
    }

    void lowersTheCounterWithoutRounding_data() {
        QTest::addColumn<double>("counter");
        QTest::addColumn<double>("lowered");
        QTest::addColumn<QString>("nextRound");
        QTest::newRow("41") << 41.0 << 40.0 << "41";
        QTest::newRow("0") << 0.0 << -1.0 << "0";
        QTest::newRow("12.5") << 12.5 << 11.5 << "12.5";
    }
    void lowersTheCounterWithoutRounding() {
        QFETCH(double, counter);
        QFETCH(double, lowered);
        QFETCH(QString, nextRound);
        const auto plan = planDeletion({"1111"}, counter);
        QCOMPARE(plan->counter, lowered);
        QCOMPARE(plan->nextRound, nextRound);
    }

    void emptyListDeletesNothing() {
        test::TestFolder bench;
        bench.writeFile(kHistoryFile, "");
        bench.writeFile(kCounterFile, "41\r\n");
        DataFiles files(bench.files);
        QVERIFY(!deleteNewestResult(files, {}, files.readState()));
        QCOMPARE(bench.fileBytes(kCounterFile), QByteArray("41\r\n"));
        QCOMPARE(bench.fileBytes(kHistoryFile), QByteArray());
    }

    void writesHistoryAndCounter_data() {
        QTest::addColumn<QByteArray>("counterFile");
        QTest::addColumn<QByteArray>("newCounterFile");
        QTest::addColumn<QString>("nextRound");
        QTest::newRow("spaces and further lines")
            << QByteArray(" 41\r\n7\r\n") << QByteArray("40\r\n") << "41";
        QTest::newRow("12.5 not rounded")
            << QByteArray("12.5\r\n") << QByteArray("11.5\r\n") << "12.5";
    }
    void writesHistoryAndCounter() {
        QFETCH(QByteArray, counterFile);
        QFETCH(QByteArray, newCounterFile);
        QFETCH(QString, nextRound);
        test::TestFolder bench;
        bench.writeFile(kHistoryFile, "1111\r\n2222\r\n3333\r\n");
        bench.writeFile(kCounterFile, counterFile);
        DataFiles files(bench.files);
        QCOMPARE(deleteNewestResult(files, {"1111", "2222", "3333"}, files.readState()), nextRound);
        QCOMPARE(bench.fileBytes(kHistoryFile), QByteArray("2222\r\n3333\r\n"));
        QCOMPARE(bench.fileBytes(kCounterFile), newCounterFile);
    }

    // Whichever step of either rewrite fails, both files keep their old bytes.
    void aFailedWriteLeavesBothFilesAlone() {
        test::TestFolder bench;
        bench.writeFile(kHistoryFile, "1111\r\n2222\r\n");
        bench.writeFile(kCounterFile, "41\r\n");
        const int failedSteps = test::failEachWriteStep(bench, [&] {
            DataFiles files(bench.files);
            deleteNewestResult(files, {"1111", "2222"}, files.readState());
        });
        QVERIFY2(failedSteps > 0, "a failed write left the folder changed");
        QCOMPARE(bench.fileBytes(kHistoryFile), QByteArray("2222\r\n"));
        QCOMPARE(bench.fileBytes(kCounterFile), QByteArray("40\r\n"));
    }

    void missingCounterLeavesTheHistoryAlone() {
        test::TestFolder bench;
        bench.writeFile(kHistoryFile, "1111\r\n2222\r\n");
        DataFiles files(bench.files);
        QVERIFY_THROWS_EXCEPTION(Failure,
                                 deleteNewestResult(files, {"1111", "2222"}, files.readState()));
        QCOMPARE(bench.fileBytes(kHistoryFile), QByteArray("1111\r\n2222\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestDeletion)
#include "test_deletion.moc"
