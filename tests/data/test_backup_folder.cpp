#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "data/backup_folder.h"
#include "data/file_names.h"
#include "data/initial_candidates.h"
#include "data/lines.h"
#include "platform/file_system.h"
#include "support/folder_snapshot.h"
#include "support/memory_file_system.h"

using namespace k4;

namespace {

using Files = test::FolderContents;

// Data files as the program leaves them: `history` newest first, the counter, and the
// candidate table as registrations leave it, the drawn combinations at its end as drawn.
Files dataFiles(const QStringList& history, const QByteArray& counter) {
    QStringList candidates = initialCandidateLines();
    std::rotate(candidates.begin(), candidates.begin() + 100, candidates.end());
    for (qsizetype i = 470; i < candidates.size(); ++i)
        std::next_permutation(candidates[i].begin(), candidates[i].end());
    return {{kHistoryFile, writeLines(history)},
            {kCandidateFile, writeLines(candidates)},
            {kCounterFile, counter + "\r\n"}};
}

}  // namespace

class TestBackupFolder : public QObject {
    Q_OBJECT

private slots:
    // What a restore reads from a folder: the program's data files with their summary, or the
    // reason it refuses anything else.
    void readsOnlyTheProgramsDataFiles_data() {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<qsizetype>("results");
        QTest::addColumn<qint64>("nextRound");
        const Files valid = dataFiles({"0419", "12a4", "", "5023"}, "120");
        QTest::newRow("the program's files, an old line and a blank one among them")
            << valid << "" << qsizetype(3) << qint64(121);
        QTest::newRow("the initial files")
            << Files{{kHistoryFile, ""},
                     {kCandidateFile, writeLines(initialCandidateLines())},
                     {kCounterFile, "0\r\n"}}
            << "" << qsizetype(0) << qint64(1);
        Files marked = valid;
        for (QByteArray& bytes : marked) bytes.prepend("\xEF\xBB\xBF");
        QTest::newRow("byte-order marks an editor added")
            << marked << "" << qsizetype(3) << qint64(121);
        QTest::newRow("a folder of photos")
            << Files{{"IMG_0001.jpg", "\xff\xd8\xff"}}
            << "このフォルダーには kri4.dat がありません。" << qsizetype(0) << qint64(0);
        Files noCounter = valid;
        noCounter.remove(kCounterFile);
        QTest::newRow("no counter") << noCounter << "このフォルダーには kaisuu4.txt がありません。"
                                    << qsizetype(0) << qint64(0);
        const QString notATable =
            "kri4key.dat は候補表ではありません (570 通りの組み合わせが一つずつ並んでいるはず"
            "です)。";
        Files foreignTable = valid;
        foreignTable[kCandidateFile] = QByteArray("name,value\r\n").repeated(570);
        QTest::newRow("another program's kri4key.dat")
            << foreignTable << notATable << qsizetype(0) << qint64(0);
        QStringList twice = initialCandidateLines();
        twice[1] = twice[0];
        Files duplicate = valid;
        duplicate[kCandidateFile] = writeLines(twice);
        QTest::newRow("a combination twice") << duplicate << notATable << qsizetype(0) << qint64(0);
        Files cut = valid;
        cut[kCandidateFile] = writeLines(initialCandidateLines().mid(1));
        QTest::newRow("569 combinations") << cut << notATable << qsizetype(0) << qint64(0);
        const QString notACounter = "kaisuu4.txt の 1 行目が回数 (0〜32766) ではありません。";
        for (const char* counter : {"abc", "", "-1", "32767", "12.5"})
            QTest::addRow("counter '%s'", counter)
                << dataFiles({"0419"}, counter) << notACounter << qsizetype(0) << qint64(0);
        QTest::newRow("history line not a result")
            << dataFiles({"0419", "<html>"}, "2")
            << "kri4.dat の 2 行目「<html>」は結果ではありません。" << qsizetype(0) << qint64(0);
        Files withBook = valid;
        withBook[kPrizeFile] =
            writeLines({"回号,当せん番号,ストレート,ボックス,セットストレート,セットボックス",
                        "120,0419,1013700,42200,527900,21100"});
        withBook[kTicketFile] = writeLines(
            {"購入日,開始回,継続回数,番号,種類,口数", "2026/12/09,121,1,0419,ボックス,1"});
        QTest::newRow("with the prize file and the ticket book")
            << withBook << "" << qsizetype(3) << qint64(121);
        Files editedBook = withBook;
        editedBook[kTicketFile] += writeLines({"2026/12/09,121,1,1111,ボックス,1"});
        QTest::newRow("a hand-edited ticket book")
            << editedBook
            << "kounyuu4.csv の 3 行目: 1111 はボックスでは買えません (4 桁がすべて同じ数字です)。"
            << qsizetype(0) << qint64(0);
    }
    void readsOnlyTheProgramsDataFiles() {
        QFETCH(Files, files);
        QFETCH(QString, problem);
        QFETCH(qsizetype, results);
        QFETCH(qint64, nextRound);
        test::MemoryFileSystem folder;
        for (auto it = files.cbegin(); it != files.cend(); ++it) folder.put(it.key(), it.value());
        const BackupFolder backup = readBackupFolder(folder);
        QCOMPARE(backup.problem, problem);
        if (!problem.isEmpty()) return;
        QCOMPARE(backup.summary.results, results);
        QCOMPARE(backup.summary.nextRound, nextRound);
        QCOMPARE(backup.files.size(), files.size());
        for (const FileBytes& file : backup.files) QCOMPARE(file.bytes, files[file.name]);
    }

    void offersADatedFolderNumberedWhenTaken() {
        QTemporaryDir parent;
        DiskFolderOpener disk;
        const QDate date(2026, 12, 8);
        const QString dated = QDir(parent.path()).filePath("kirikata4-バックアップ-2026-12-08");
        QCOMPARE(offeredBackupFolder(disk, parent.path(), date), dated);
        QVERIFY(QDir().mkdir(dated));
        QCOMPARE(offeredBackupFolder(disk, parent.path(), date), dated + "-2");
        QFile taken(dated + "-2");  // a file of that name takes it too
        QVERIFY(taken.open(QIODevice::WriteOnly));
        QCOMPARE(offeredBackupFolder(disk, parent.path(), date), dated + "-3");
    }
};

QTEST_GUILESS_MAIN(TestBackupFolder)
#include "test_backup_folder.moc"
