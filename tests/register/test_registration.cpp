#include <QTest>

#include "data/data_files.h"
#include "data/file_names.h"
#include "data/lines.h"
#include "platform/failure.h"
#include "register/registration.h"
#include "support/folder_snapshot.h"
#include "support/test_data.h"
#include "support/test_folder.h"

using namespace k4;
using test::candidateFile;
using test::numberedEntries;

namespace {

// 570 lines that no draw matches ("c001" to "c570"), for tests to put combinations into.
CandidateTable tableOf() {
    CandidateTable table;
    for (int n = 1; n <= CandidateTable::kSlotCount; ++n)
        table.setSlot(n, QStringLiteral("c%1").arg(n, 3, 10, QLatin1Char('0')));
    return table;
}

}  // namespace

class TestRegistration : public QObject {
    Q_OBJECT

private slots:
    void putsTheResultOnTopOfTheHistory_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("history");
        QTest::newRow("empty list") << QStringList{} << QStringList{"0419"};
        QTest::newRow("two entries")
            << QStringList{"1111", "2222"} << QStringList{"0419", "1111", "2222"};
        QTest::newRow("empty entries dropped")
            << QStringList{"", "1111", ""} << QStringList{"0419", "1111"};
        QTest::newRow("2500 entries keep 2000 lines")
            << numberedEntries(2500) << (QStringList{"0419"} + numberedEntries(1999));
        // The list's first 1999 entries are kept without their empty ones, and no older entry
        // takes an empty one's place: one empty line among them leaves 1999 lines.
        QStringList withAnEmptyLine = numberedEntries(2500);
        withAnEmptyLine[4].clear();
        QStringList kept = numberedEntries(1999);
        kept.removeAt(4);
        QTest::newRow("2500 entries, one empty among the first 1999")
            << withAnEmptyLine << (QStringList{"0419"} + kept);
    }
    void putsTheResultOnTopOfTheHistory() {
        QFETCH(QStringList, entries);
        QFETCH(QStringList, history);
        QCOMPARE(planRegistration("0419", entries, tableOf(), 41).history, history);
    }

    void movesTheMatchedCombinationToTheEnd() {
        CandidateTable table = tableOf();
        table.setSlot(100, "9014");  // an arrangement of 0419
        const RegistrationPlan plan = planRegistration("0419", {}, table, 41);
        QVERIFY(plan.candidates);
        const QStringList& lines = *plan.candidates;
        QCOMPARE(lines.size(), 570);
        QCOMPARE(lines.at(98), table.slot(99));
        QCOMPARE(lines.at(99), table.slot(101));
        QCOMPARE(lines.last(), "0419");  // as drawn, not as it stood
    }

    void onlyTheLowestOfTwoArrangementsMoves() {
        CandidateTable table = tableOf();
        table.setSlot(5, "1234");
        table.setSlot(7, "4321");
        const QStringList lines = *planRegistration("3412", {}, table, 0).candidates;
        QVERIFY(!lines.contains("1234"));
        QVERIFY(lines.contains("4321"));
        QCOMPARE(lines.last(), "3412");
    }

    void noMatchLeavesTheCandidatesAlone_data() {
        QTest::addColumn<QString>("result");
        QTest::newRow("two pairs not in the table") << "1122";
        QTest::newRow("digits of another line") << "0123";
    }
    void noMatchLeavesTheCandidatesAlone() {
        QFETCH(QString, result);
        CandidateTable table = tableOf();
        table.setSlot(300, "0124");
        const RegistrationPlan plan = planRegistration(result, {}, table, 41);
        QVERIFY(!plan.candidates);
        QCOMPARE(plan.history.first(), result);
        QCOMPARE(plan.counter, 42);
    }

    void advancesTheCounter_data() {
        QTest::addColumn<double>("counter");
        QTest::addColumn<int>("newCounter");
        QTest::addColumn<QString>("nextRound");
        QTest::newRow("41") << 41.0 << 42 << "43";
        QTest::newRow("no number") << 0.0 << 1 << "2";
        QTest::newRow("12.5 rounds to even") << 12.5 << 14 << "15";
        QTest::newRow("-5") << -5.0 << -4 << "-3";
        QTest::newRow("32-bit top") << 2147483646.0 << 2147483647 << "2147483648";
    }
    void advancesTheCounter() {
        QFETCH(double, counter);
        QFETCH(int, newCounter);
        QFETCH(QString, nextRound);
        const RegistrationPlan plan = planRegistration("0419", {}, tableOf(), counter);
        QCOMPARE(plan.counter, newCounter);
        QCOMPARE(plan.nextRound, nextRound);
    }

    void counterBeyond32BitsOverflows() {
        QVERIFY_THROWS_EXCEPTION(Failure, planRegistration("0419", {}, tableOf(), 2147483647.0));
    }

    void writesTheThreeFiles() {
        test::TestFolder bench;
        bench.writeFile(kCandidateFile, candidateFile());
        bench.writeFile(kCounterFile, " 41\r\n99\r\n");  // only the first line counts
        bench.writeFile(kHistoryFile, "1111\r\n");
        DataFiles files(bench.files);
        QCOMPARE(registerResult(files, "0151", {"1111"}, files.readState()), "43");
        QCOMPARE(bench.fileBytes(kHistoryFile), QByteArray("0151\r\n1111\r\n"));
        QCOMPARE(bench.fileBytes(kCounterFile), QByteArray("42\r\n"));
        const QStringList candidates = readLines(*bench.fileBytes(kCandidateFile));
        QCOMPARE(candidates.size(), 570);
        QCOMPARE(candidates.last(), "0151");
        QVERIFY(!candidates.contains("1015"));
    }

    void unreadableFilesLeaveEveryFileAlone_data() {
        QTest::addColumn<QString>("brokenFile");
        QTest::addColumn<bool>("missing");
        QTest::addColumn<QByteArray>("brokenBytes");
        QTest::newRow("no counter file") << kCounterFile << true << QByteArray();
        QTest::newRow("empty counter file") << kCounterFile << false << QByteArray();
        QTest::newRow("569 candidates")
            << kCandidateFile << false << QByteArray("1234\r\n").repeated(569);
        QTest::newRow("no candidate file") << kCandidateFile << true << QByteArray();
    }
    void unreadableFilesLeaveEveryFileAlone() {
        QFETCH(QString, brokenFile);
        QFETCH(bool, missing);
        QFETCH(QByteArray, brokenBytes);
        test::TestFolder bench;
        bench.writeDataFiles("1111\r\n", QByteArray("1234\r\n").repeated(570), "41\r\n");
        if (missing)
            QFile::remove(bench.path(brokenFile));
        else
            bench.writeFile(brokenFile, brokenBytes);
        const test::FolderContents before = test::folderContents(bench);
        DataFiles files(bench.files);
        QVERIFY_THROWS_EXCEPTION(Failure,
                                 registerResult(files, "4321", {"1111"}, files.readState()));
        QCOMPARE(test::folderContents(bench), before);
    }

    // Whichever step of whichever rewrite fails, every file keeps its old bytes.
    void aFailedWriteLeavesEveryFileAlone_data() {
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("candidatesRewritten");
        QTest::newRow("match: three files") << "0151" << true;
        QTest::newRow("no match: two files") << "6789" << false;
    }
    void aFailedWriteLeavesEveryFileAlone() {
        QFETCH(QString, result);
        QFETCH(bool, candidatesRewritten);
        test::TestFolder bench;
        bench.writeDataFiles("1111\r\n", candidateFile(), "41\r\n");
        const int failedSteps = test::failEachWriteStep(bench, [&] {
            DataFiles files(bench.files);
            registerResult(files, result, {"1111"}, files.readState());
        });
        QVERIFY2(failedSteps > 0, "a failed write left the folder changed");
        QCOMPARE(bench.fileBytes(kHistoryFile), (result + "\r\n1111\r\n").toLatin1());
        QCOMPARE(bench.fileBytes(kCounterFile), QByteArray("42\r\n"));
        QCOMPARE(bench.fileBytes(kCandidateFile) != candidateFile(), candidatesRewritten);
    }
};

QTEST_APPLESS_MAIN(TestRegistration)
#include "test_registration.moc"
