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

enum class Odd {
    OutputLink,      // a table saved through a link
    OutputPipe,      // a table saved to a pipe
    PipeDataFile,    // mkfifo kri4.dat, then 予想
    LinkedDataFile,  // kri4.dat a link to a file elsewhere, then a registration
    LastRound,       // kaisuu4.txt 32766, then a registration
    ForeignLock,     // a lock file naming another machine, an hour old
    HeldOldLock,     // a lock file an hour old that a live process holds
    LockFolder,      // a folder named like the lock file
    ByteOrderMark,   // kri4.dat saved as UTF-8 with a byte-order mark
    ReadOnlyFolder,  // a folder the user cannot write to, opened for viewing
};

}  // namespace

Q_DECLARE_METATYPE(Odd)

class TestOddFiles : public QObject {
    Q_OBJECT

private slots:
    // `message` is the last message shown, %1 standing for the data folder; empty for none.
    // `changes` says whether the command writes the data files.
    void oddFileOrPath_data() {
        QTest::addColumn<Odd>("odd");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("changes");
        QTest::newRow("output through a link") << Odd::OutputLink << "" << false;
        QTest::newRow("output into a pipe") << Odd::OutputPipe << "" << false;
        QTest::newRow("pipe as the history file")
            << Odd::PipeDataFile << "ファイルを開けません: kri4.dat" << false;
        QTest::newRow("link as the history file")
            << Odd::LinkedDataFile << "通常のファイルではありません: kri4.dat" << false;
        QTest::newRow("counter at the last round")
            << Odd::LastRound << "第 32766 回より後の回は登録できません: kaisuu4.txt" << false;
        QTest::newRow("another machine's old lock file") << Odd::ForeignLock << "" << true;
        QTest::newRow("an old lock file a live process holds")
            << Odd::HeldOldLock << "ほかのプログラムがデータフォルダーに書き込んでいます: %1"
            << false;
        QTest::newRow("a folder named like the lock file")
            << Odd::LockFolder << "通常のファイルではありません: %1/.kirikata4.lock" << false;
        QTest::newRow("byte-order mark in the history") << Odd::ByteOrderMark << "" << true;
        QTest::newRow("read-only folder") << Odd::ReadOnlyFolder << "" << false;
    }
    void oddFileOrPath() {
        QFETCH(Odd, odd);
        QFETCH(QString, message);
        QFETCH(bool, changes);
        const test::ReachableTemporaryFolders temporary;
        test::TestBench bench;
        fillFolder(bench);
        const QString folder = QDir::toNativeSeparators(bench.folder.path());
        const QTemporaryDir elsewhere;
        const QString target = elsewhere.filePath("target");
        std::optional<QLockFile> heldLock;

        switch (odd) {
            case Odd::OutputLink:
            case Odd::LinkedDataFile: {
                QFile file(target);
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write(kHistory);
            }
                if (odd == Odd::LinkedDataFile) QFile::remove(bench.path(kHistoryFile));
                QVERIFY(QFile::link(target,
                                    bench.path(odd == Odd::OutputLink ? "out.csv" : kHistoryFile)));
                break;
            case Odd::OutputPipe:
                QVERIFY(mkfifo(qPrintable(bench.path("out.csv")), 0600) == 0);
                break;
            case Odd::PipeDataFile:
                QFile::remove(bench.path(kHistoryFile));
                QVERIFY(mkfifo(qPrintable(bench.path(kHistoryFile)), 0600) == 0);
                break;
            case Odd::LastRound:
                bench.writeFile(kCounterFile, "32766\r\n");
                break;
            case Odd::ForeignLock:
                bench.writeFile(".kirikata4.lock", "4242\nkirikata4\nanother-pc\n");
                makeOld(bench.path(".kirikata4.lock"));
                break;
            case Odd::HeldOldLock:
                heldLock.emplace(bench.path(".kirikata4.lock"));
                QVERIFY(heldLock->tryLock());
                makeOld(bench.path(".kirikata4.lock"));
                break;
            case Odd::LockFolder:
                QVERIFY(QDir(bench.folder.path()).mkdir(".kirikata4.lock"));
                break;
            case Odd::ByteOrderMark:
                bench.writeFile(kHistoryFile, "\xEF\xBB\xBF" + kHistory);
                break;
            case Odd::ReadOnlyFolder:
                break;
        }
        test::FolderContents before = test::folderContents(bench);
        before.remove("out.csv");

        switch (odd) {
            case Odd::OutputLink:
            case Odd::OutputPipe: {
                QFile reader(bench.path("out.csv"));
                // A reader holds the pipe open, so that writing into it does not wait.
                if (odd == Odd::OutputPipe)
                    QVERIFY(reader.open(QIODevice::ReadWrite | QIODevice::Unbuffered));
                commitFileAt(bench.folders, bench.path("out.csv"), "new table\r\n");
                if (odd == Odd::OutputPipe) {
                    QCOMPARE(reader.read(11), "new table\r\n");
                    QVERIFY(!QFileInfo(bench.path("out.csv")).isFile());
                } else {
                    QVERIFY(QFileInfo(bench.path("out.csv")).isSymLink());
                    QFile file(target);
                    QVERIFY(file.open(QIODevice::ReadOnly));
                    QCOMPARE(file.readAll(), "new table\r\n");
                }
                break;
            }
            case Odd::PipeDataFile: {
                test::WindowSession session(bench);
                session.predict();
                break;
            }
            case Odd::ReadOnlyFolder: {
                if (!temporary.found()) QSKIP("no temporary folder the user nobody can reach");
                const test::UnwritableFolder unwritable(bench.folder.path());
                if (!unwritable.holds()) QSKIP("the folder cannot be made unwritable here");
                test::WindowSession session(bench);
                QCOMPARE(session.nextRound(), "42");
                session.openRegistration();
                QCOMPARE(session.listedHistory(), QStringList({"1234", "5678"}));
                break;
            }
            default: {
                test::WindowSession session(bench);
                session.registerResult("0151");
                break;
            }
        }

        const QString shown =
            bench.dialogs.shown().isEmpty() ? QString() : bench.dialogs.shown().last().text;
        QCOMPARE(shown, message.arg(folder));
        // The saved table is checked above; the data files are what the command may change.
        test::FolderContents after = test::folderContents(bench);
        after.remove("out.csv");
        QCOMPARE(after != before, changes);
        if (odd == Odd::LinkedDataFile) QVERIFY(QFileInfo(bench.path(kHistoryFile)).isSymLink());
        if (odd == Odd::LastRound) QVERIFY(!bench.endedWith);
        if (odd == Odd::ByteOrderMark)
            QCOMPARE(bench.fileBytes(kHistoryFile), "0151\r\n" + kHistory);
    }
};

QTEST_MAIN(TestOddFiles)
#include "test_odd_files.moc"
