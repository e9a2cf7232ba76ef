#include <QCryptographicHash>
#include <QDir>
#include <QTest>

#include "data/folder_commit.h"
#include "platform/failure.h"
#include "support/folder_snapshot.h"

using namespace k4;

namespace {

const test::FolderContents kOld = {{"a.dat", "old a\r\n"}, {"b.dat", "old b\r\n"}};

void fill(test::TestFolder& bench, const test::FolderContents& contents) {
    for (auto it = contents.cbegin(); it != contents.cend(); ++it)
        bench.writeFile(it.key(), it.value());
}

QList<FileBytes> newFiles(const test::FolderContents& contents) {
    QList<FileBytes> files;
    for (auto it = contents.cbegin(); it != contents.cend(); ++it)
        files.append({it.key(), it.value()});
    return files;
}

// The folder after committing `files` over kOld.
test::FolderContents committed(const test::FolderContents& files) {
    test::FolderContents after = kOld;
    after.insert(files);
    return after;
}

}  // namespace

class TestFolderCommit : public QObject {
    Q_OBJECT

private slots:
    void commitsAndLeavesNothingElse_data() {
        QTest::addColumn<test::FolderContents>("files");
        QTest::newRow("one file") << test::FolderContents{{"a.dat", "new a\r\n"}};
        QTest::newRow("one file of several chunks")
            << test::FolderContents{{"a.dat", QByteArray(200 * 1024, '7')}};
        QTest::newRow("one empty file") << test::FolderContents{{"a.dat", ""}};
        QTest::newRow("two files") << test::FolderContents{{"a.dat", "new a"}, {"b.dat", "new b"}};
        QTest::newRow("one old, one created")
            << test::FolderContents{{"a.dat", "new a"}, {"c.dat", "new c"}};
    }
    // Every step fails once in turn: the folder is then exactly as before, created files gone.
    void commitsAndLeavesNothingElse() {
        QFETCH(test::FolderContents, files);
        test::TestFolder bench;
        fill(bench, kOld);
        const int failed =
            test::failEachWriteStep(bench, [&] { commitFiles(bench.files, newFiles(files)); });
        QVERIFY(failed > 0);
        QCOMPARE(test::folderContents(bench), committed(files));
    }

    // A disk that dies at any step and stays dead: what the commit leaves, recovery on a sound
    // disk turns into the old folder or the new one, never a mix.
    void deadDiskThenRecoveryIsOldOrNew() {
        const test::FolderContents files = {{"a.dat", "new a"}, {"c.dat", "new c"}};
        for (int step = 1;; ++step) {
            test::TestFolder bench;
            fill(bench, kOld);
            bench.faults.arm(step, true);
            try {
                commitFiles(bench.files, newFiles(files));
            } catch (const Failure&) {
            }
            if (!bench.faults.fired()) break;
            bench.faults.disarm();
            recoverFolder(bench.files);
            const test::FolderContents now = test::folderContents(bench);
            QVERIFY2(now == kOld || now == committed(files), qPrintable(QString::number(step)));
        }
    }

    void recoveryCarriesAWholeJournalThroughAndDropsACutOne_data() {
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<bool>("carried");
        const QByteArray body = "kirikata4 journal 1\na.dat\nb.dat\n";
        const QByteArray sum =
            "sha256 " + QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex() + "\n";
        QTest::newRow("whole") << body + sum << true;
        QTest::newRow("cut") << body + sum.left(20) << false;
        QTest::newRow("changed") << QByteArray(body).replace("b.dat", "c.dat") + sum << false;
        QTest::newRow("names a path")
            << QByteArray(body).replace("b.dat", "../b.dat") + sum << false;
    }
    void recoveryCarriesAWholeJournalThroughAndDropsACutOne() {
        QFETCH(QByteArray, journal);
        QFETCH(bool, carried);
        test::TestFolder bench;
        fill(bench, kOld);
        bench.writeFile(".a.dat.kirikata4-new", "new a");
        bench.writeFile(".b.dat.kirikata4-new", "new b");
        bench.writeFile(".kirikata4-journal", journal);
        recoverFolder(bench.files);
        QCOMPARE(test::folderContents(bench),
                 carried ? committed({{"a.dat", "new a"}, {"b.dat", "new b"}}) : kOld);
    }

    // Recovery that fails at any step (a disk that stays dead) changes nothing it cannot finish
    // later: the next recovery on a sound disk completes the commit.
    void failedRecoveryIsCompletedByTheNext() {
        const test::FolderContents files = {{"a.dat", "new a"}, {"b.dat", "new b"}};
        for (int step = 1;; ++step) {
            test::TestFolder bench;
            fill(bench, kOld);
            bench.faults.arm(13, true);  // the disk dies once the journal is on it
            QVERIFY_THROWS_EXCEPTION(Failure, commitFiles(bench.files, newFiles(files)));
            bench.faults.arm(step, true);
            try {
                recoverFolder(bench.files);
            } catch (const Failure& failure) {
                QCOMPARE(failure.kind(), FailureKind::CannotWrite);
            }
            const bool fired = bench.faults.fired();
            bench.faults.disarm();
            recoverFolder(bench.files);
            QCOMPARE(test::folderContents(bench), committed(files));
            if (!fired) break;
        }
    }

    void readOnlyFileStopsTheCommitBeforeAnyWrite() {
        test::TestFolder bench;
        fill(bench, kOld);
        QFile::setPermissions(bench.path("b.dat"), QFileDevice::ReadOwner);
        QVERIFY_THROWS_EXCEPTION(
            Failure, commitFiles(bench.files, newFiles({{"a.dat", "new a"}, {"b.dat", "new b"}})));
        QCOMPARE(bench.faults.stepsSeen(), 0);
        QCOMPARE(test::folderContents(bench), kOld);
    }
};

QTEST_APPLESS_MAIN(TestFolderCommit)
#include "test_folder_commit.moc"
