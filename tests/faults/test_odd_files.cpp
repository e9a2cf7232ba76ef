// Odd things where the program expects a file, each reported clearly with nothing harmed.

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTest>

#include "data/file_names.h"
#include "data/folder_commit.h"
#include "disk_conditions.h"
#include "support/folder_snapshot.h"
#include "support/test_data.h"
#include "support/window_session.h"

using namespace k4;
using test::candidateFile;

namespace {

const QByteArray kHistory = "1234\r\n5678\r\n";

void fillFolder(test::TestBench& bench) {
    bench.writeDataFiles(kHistory, candidateFile(), "41\r\n");
}

// Backdates a file by an hour, as a lock file left behind long ago is.
void makeOld(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                             QFileDevice::FileModificationTime));
}

// A data folder of two results at counter 41, made where the user nobody can reach it, as the
// read-only folder needs. `dataFiles()` is what a command may change: every file but a table
// saved into the folder.
struct OddFolder {
    OddFolder() { fillFolder(bench); }

    test::FolderContents dataFiles() const {
        test::FolderContents contents = test::folderContents(bench);
        contents.remove("out.csv");
        return contents;
    }
    // The last message shown; empty for none.
    QString lastMessage() const {
        return bench.dialogs.shown().isEmpty() ? QString() : bench.dialogs.shown().last().text;
    }
    QString folder() const { return QDir::toNativeSeparators(bench.folder.path()); }

    const test::ReachableTemporaryFolders temporary;
    test::TestBench bench;
};

// Writes the two results into a file outside the data folder and returns its path.
QString fileElsewhere(const QTemporaryDir& elsewhere) {
    const QString target = elsewhere.filePath("target");
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(kHistory) != kHistory.size())
        qFatal("cannot write test file %s", qPrintable(target));
    return target;
}

}  // namespace

class TestOddFiles : public QObject {
    Q_OBJECT

private slots:
    // A table saved through a link replaces the file the link points to; the link stays.
    void outputThroughALink() {
        OddFolder odd;
        const QTemporaryDir elsewhere;
        const QString target = fileElsewhere(elsewhere);
        QVERIFY(QFile::link(target, odd.bench.path("out.csv")));
        const test::FolderContents before = odd.dataFiles();

        commitFileAt(odd.bench.folders, odd.bench.path("out.csv"), "new table\r\n");
        QVERIFY(QFileInfo(odd.bench.path("out.csv")).isSymLink());
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "new table\r\n");
        QCOMPARE(odd.lastMessage(), QString());
        QCOMPARE(odd.dataFiles(), before);
    }

    // A table saved into a pipe is written into it, and no file takes the pipe's place.
    void outputIntoAPipe() {
        OddFolder odd;
        QVERIFY(mkfifo(qPrintable(odd.bench.path("out.csv")), 0600) == 0);
        const test::FolderContents before = odd.dataFiles();

        QFile reader(odd.bench.path("out.csv"));
        // A reader holds the pipe open, so that writing into it does not wait.
        QVERIFY(reader.open(QIODevice::ReadWrite | QIODevice::Unbuffered));
        commitFileAt(odd.bench.folders, odd.bench.path("out.csv"), "new table\r\n");
        QCOMPARE(reader.read(11), "new table\r\n");
        QVERIFY(!QFileInfo(odd.bench.path("out.csv")).isFile());
        QCOMPARE(odd.lastMessage(), QString());
        QCOMPARE(odd.dataFiles(), before);
    }

    // mkfifo kri4.dat, then 予想.
    void pipeAsTheHistoryFile() {
        OddFolder odd;
        QFile::remove(odd.bench.path(kHistoryFile));
        QVERIFY(mkfifo(qPrintable(odd.bench.path(kHistoryFile)), 0600) == 0);
        const test::FolderContents before = odd.dataFiles();

        test::WindowSession(odd.bench).predict();
        QCOMPARE(odd.lastMessage(), "ファイルを開けません: kri4.dat");
        QCOMPARE(odd.dataFiles(), before);
    }

    // kri4.dat a link to a file elsewhere, then a registration: refused, the link stays.
    void linkAsTheHistoryFile() {
        OddFolder odd;
        const QTemporaryDir elsewhere;
        QFile::remove(odd.bench.path(kHistoryFile));
        QVERIFY(QFile::link(fileElsewhere(elsewhere), odd.bench.path(kHistoryFile)));
        const test::FolderContents before = odd.dataFiles();

        test::WindowSession(odd.bench).registerResult("0151");
        QCOMPARE(odd.lastMessage(), "通常のファイルではありません: kri4.dat");
        QCOMPARE(odd.dataFiles(), before);
        QVERIFY(QFileInfo(odd.bench.path(kHistoryFile)).isSymLink());
    }

    // kaisuu4.txt at 32766, then a registration: refused, and the program goes on.
    void counterAtTheLastRound() {
        OddFolder odd;
        odd.bench.writeFile(kCounterFile, "32766\r\n");
        const test::FolderContents before = odd.dataFiles();

        test::WindowSession(odd.bench).registerResult("0151");
        QCOMPARE(odd.lastMessage(), "第 32766 回より後の回は登録できません: kaisuu4.txt");
        QCOMPARE(odd.dataFiles(), before);
        QVERIFY(!odd.bench.endedWith);
    }

    // A lock file naming another machine, an hour old, is taken over.
    void anotherMachinesOldLockFile() {
        OddFolder odd;
        odd.bench.writeFile(".kirikata4.lock", "4242\nkirikata4\nanother-pc\n");
        makeOld(odd.bench.path(".kirikata4.lock"));
        const test::FolderContents before = odd.dataFiles();

        test::WindowSession(odd.bench).registerResult("0151");
        QCOMPARE(odd.lastMessage(), QString());
        QVERIFY(odd.dataFiles() != before);
    }

    // A lock file an hour old that a live process holds is not taken over.
    void anOldLockFileALiveProcessHolds() {
        OddFolder odd;
        QLockFile heldLock(odd.bench.path(".kirikata4.lock"));
        QVERIFY(heldLock.tryLock());
        makeOld(odd.bench.path(".kirikata4.lock"));
        const test::FolderContents before = odd.dataFiles();

        test::WindowSession(odd.bench).registerResult("0151");
        QCOMPARE(odd.lastMessage(),
                 "ほかのプログラムがデータフォルダーに書き込んでいます: " + odd.folder());
        QCOMPARE(odd.dataFiles(), before);
    }

    void aFolderNamedLikeTheLockFile() {
        OddFolder odd;
        QVERIFY(QDir(odd.bench.folder.path()).mkdir(".kirikata4.lock"));
        const test::FolderContents before = odd.dataFiles();

        test::WindowSession(odd.bench).registerResult("0151");
        QCOMPARE(odd.lastMessage(),
                 "通常のファイルではありません: " + odd.folder() + "/.kirikata4.lock");
        QCOMPARE(odd.dataFiles(), before);
    }

    // kri4.dat saved as UTF-8 with a byte-order mark: the registration goes through.
    void byteOrderMarkInTheHistory() {
        OddFolder odd;
        odd.bench.writeFile(kHistoryFile, "\xEF\xBB\xBF" + kHistory);
        const test::FolderContents before = odd.dataFiles();

        test::WindowSession(odd.bench).registerResult("0151");
        QCOMPARE(odd.lastMessage(), QString());
        QVERIFY(odd.dataFiles() != before);
        QCOMPARE(odd.bench.fileBytes(kHistoryFile), "0151\r\n" + kHistory);
    }

    // A folder the user cannot write to opens for viewing.
    void readOnlyFolder() {
        OddFolder odd;
        if (!odd.temporary.found()) QSKIP("no temporary folder the user nobody can reach");
        const test::FolderContents before = odd.dataFiles();
        {
            const test::UnwritableFolder unwritable(odd.bench.folder.path());
            if (!unwritable.holds()) QSKIP("the folder cannot be made unwritable here");
            test::WindowSession session(odd.bench);
            QCOMPARE(session.nextRound(), "42");
            session.openRegistration();
            QCOMPARE(session.listedHistory(), QStringList({"1234", "5678"}));
        }
        QCOMPARE(odd.lastMessage(), QString());
        QCOMPARE(odd.dataFiles(), before);
    }
};

QTEST_MAIN(TestOddFiles)
#include "test_odd_files.moc"
