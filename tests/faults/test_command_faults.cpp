#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include "data/data_files.h"
#include "data/file_names.h"
#include "disk_conditions.h"
#include "support/folder_snapshot.h"
#include "support/test_data.h"
#include "support/window_session.h"

using namespace k4;
using test::golden;

namespace {

constexpr qsizetype kWriteChunk = test::FaultyFileSystem::kWriteChunk;

// A data folder with a history long enough for the prediction to list something, a candidate
// table in which the registered result matches, a counter and an earlier report. With a long
// oldest result the history takes several chunks to write.
void fillFolder(test::TestBench& bench, bool longHistory = true) {
    QByteArray history = golden(kHistoryFile);
    if (longHistory) history += QByteArray(150'000, '7') + "\r\n";
    bench.writeDataFiles(history, golden(kCandidateFile), "56\r\n");
    bench.writeFile(kReportFile, "an earlier report\r\n");
}

using Folder = test::FolderContents;
using test::folderContents;

// What the user does.
enum class Action { RegisterMatch, RegisterNoMatch, Delete, Predict };

void run(test::WindowSession& session, Action action) {
    switch (action) {
        case Action::RegisterMatch:
            return session.registerResult("0123");
        case Action::RegisterNoMatch:
            return session.registerResult("1122");
        case Action::Delete:
            return session.deleteNewest();
        case Action::Predict:
            return session.predict();
    }
}

// The folder after the action when nothing fails.
Folder intended(Action action) {
    test::TestBench bench;
    fillFolder(bench);
    test::WindowSession session(bench);
    run(session, action);
    if (bench.endedWith) qFatal("the action fails on a sound disk");
    return folderContents(bench);
}

// The write steps of a command that rewrites the files that differ: writing each temporary
// file (create, each chunk, sync), for several files the journal (create, write, sync, folder
// sync, rename, folder sync), setting each old file aside and renaming the new one in, the folder
// sync, removing the journal and the old files.
int writeSteps(const Folder& before, const Folder& after) {
    int files = 0, existed = 0, steps = 0;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (before.value(it.key()) == it.value()) continue;
        ++files;
        existed += before.contains(it.key());
        steps += 2 + int((it.value().size() + kWriteChunk - 1) / kWriteChunk);
    }
    const bool journaled = files > 1;
    return steps + (journaled ? 6 + 1 : 0) + files + 2 * existed + 1;
}

// The file a failed step was writing for: a temporary file stands for its data file.
QString writtenFor(const QString& failedFile) {
    static const QRegularExpression leftOver(QStringLiteral("^\\.(.+)\\.kirikata4-(new|old)$"));
    const QRegularExpressionMatch match = leftOver.match(failedFile);
    return match.hasMatch() ? match.captured(1) : failedFile;
}

const QString kCannotWrite = QStringLiteral("ファイルに書き込めません: ");

// The first message that is no question: the failure that ends the program.
QString failureShown(const test::TestBench& bench) {
    for (const auto& shown : bench.dialogs.shown())
        if (!shown.question) return shown.text;
    return {};
}

int totalInjected = 0;

}  // namespace

class TestCommandFaults : public QObject {
    Q_OBJECT

private slots:
    void cleanupTestCase() { qInfo("failure points injected in all: %d", totalInjected); }

    // The n-th write step fails, for n = 1, 2, … until the command goes through. Alone, every
    // file keeps its old bytes; when the disk keeps failing, undoing the earlier rewrites may
    // fail too, and each file then holds its old or its new bytes, never anything between.
    void everyFailingWriteStep_data() {
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("keepFailing");
        for (const bool keepFailing : {false, true}) {
            const char* mode = keepFailing ? ", the disk dying" : "";
            QTest::addRow("register, a match%s", mode) << Action::RegisterMatch << keepFailing;
            QTest::addRow("register, no match%s", mode) << Action::RegisterNoMatch << keepFailing;
            QTest::addRow("delete%s", mode) << Action::Delete << keepFailing;
            QTest::addRow("predict%s", mode) << Action::Predict << keepFailing;
        }
    }
    void everyFailingWriteStep() {
        QFETCH(Action, action);
        QFETCH(bool, keepFailing);
        const Folder after = intended(action);
        Folder before;
        int failingStep = 1;
        for (;; ++failingStep) {
            test::TestBench bench;
            fillFolder(bench);
            before = folderContents(bench);
            test::WindowSession session(bench);
            const QString round = session.nextRound();
            bench.faults.arm(failingStep, keepFailing);
            run(session, action);
            const bool fired = bench.faults.fired();
            bench.faults.disarm();
            if (!fired) {  // every step has failed once; this run went through
                QCOMPARE(folderContents(bench), after);
                QVERIFY(!bench.endedWith);
                break;
            }
            if (!bench.endedWith) {  // a clean-up step after the commit: the commit stands
                DataFiles(bench.files).recover();
                QCOMPARE(folderContents(bench), after);
                continue;
            }
            QCOMPARE(bench.dialogs.shown().last().text,
                     kCannotWrite + writtenFor(bench.faults.failedFile()));
            QCOMPARE(session.nextRound(), round);
            // Alone, a failure leaves the folder as it was. A disk that stays dead may leave the
            // commit half done, and recovery on a sound disk then makes the folder whole.
            if (keepFailing) DataFiles(bench.files).recover();
            const Folder now = folderContents(bench);
            QVERIFY2(now == before || (keepFailing && now == after),
                     qPrintable(QStringLiteral("step %1 left a changed folder").arg(failingStep)));
        }
        const int injected = failingStep - 1;
        QCOMPARE(injected, writeSteps(before, after));
        qInfo("%s: %d failure points", QTest::currentDataTag(), injected);
        totalInjected += injected;
    }

    // Real write errors, not only those asked for, stop the command: a disk that is full when
    // the candidate file is written gets the history back as it was.
    void fullDiskFailsAndChangesNoFile_data() {
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("room");
        QTest::addColumn<QString>("failed");
        QTest::newRow("register, the candidates do not fit")
            << Action::RegisterMatch << 1000 << kCandidateFile;
        QTest::newRow("delete, the history does not fit") << Action::Delete << 500 << kHistoryFile;
        QTest::newRow("predict, the report does not fit") << Action::Predict << 1000 << kReportFile;
    }
    void fullDiskFailsAndChangesNoFile() {
        QFETCH(Action, action);
        QFETCH(int, room);
        QFETCH(QString, failed);
        test::TestBench bench;
        fillFolder(bench, false);
        const Folder before = folderContents(bench);
        test::WindowSession session(bench);
        {
            const test::FullDisk full(room);
            if (!full.holds()) QSKIP("no file size limit on this system");
            run(session, action);
        }
        QCOMPARE(folderContents(bench), before);
        QCOMPARE(bench.endedWith, 1);
        QCOMPARE(bench.dialogs.shown().last().text, kCannotWrite + failed);
    }

    // The message names the folder, where not even the lock file can be made.
    void unwritableFolderFailsAndChangesNoFile_data() {
        QTest::addColumn<Action>("action");
        QTest::newRow("register") << Action::RegisterMatch;
        QTest::newRow("delete") << Action::Delete;
        QTest::newRow("predict") << Action::Predict;
    }
    void unwritableFolderFailsAndChangesNoFile() {
        QFETCH(Action, action);
        const test::ReachableTemporaryFolders temporary;
        if (!temporary.found())
            QSKIP(
                "the user nobody, whom root acts as, can reach none of TMPDIR, /tmp and /var/tmp");
        test::TestBench bench;
        fillFolder(bench, false);
        const Folder before = folderContents(bench);
        test::WindowSession session(bench);
        {
            const test::UnwritableFolder unwritable(bench.folder.path());
            if (!unwritable.holds()) QSKIP("the folder cannot be made unwritable here");
            run(session, action);
        }
        QCOMPARE(folderContents(bench), before);
        QCOMPARE(bench.endedWith, 1);
        QCOMPARE(bench.dialogs.shown().last().text,
                 "フォルダーに書き込めません: " + QDir::toNativeSeparators(bench.folder.path()));
    }

    // A read-only file is kept as it is even by root. A command that must rewrite it fails and
    // changes nothing; one that leaves it alone goes through.
    void readOnlyFile_data() {
        QTest::addColumn<QString>("readOnly");
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("fails");
        QTest::newRow("kri4.dat, register") << kHistoryFile << Action::RegisterMatch << true;
        QTest::newRow("kri4key.dat, register") << kCandidateFile << Action::RegisterMatch << true;
        QTest::newRow("kaisuu4.txt, register") << kCounterFile << Action::RegisterMatch << true;
        QTest::newRow("kri4.dat, delete") << kHistoryFile << Action::Delete << true;
        QTest::newRow("kaisuu4.txt, delete") << kCounterFile << Action::Delete << true;
        QTest::newRow("yosou4.txt, predict") << kReportFile << Action::Predict << true;
        QTest::newRow("kri4key.dat, register without a match")
            << kCandidateFile << Action::RegisterNoMatch << false;
    }
    void readOnlyFile() {
        QFETCH(QString, readOnly);
        QFETCH(Action, action);
        QFETCH(bool, fails);
        test::TestBench bench;
        fillFolder(bench);
        QFile::setPermissions(bench.path(readOnly), QFileDevice::ReadOwner | QFileDevice::ReadUser);
        const Folder before = folderContents(bench);
        {
            test::WindowSession session(bench);
            run(session, action);
        }
        if (!fails) {
            QCOMPARE(folderContents(bench), intended(action));
            QVERIFY(!bench.endedWith);
            return;
        }
        QCOMPARE(folderContents(bench), before);
        QCOMPARE(bench.endedWith, 1);
        QCOMPARE(bench.dialogs.shown().last().text, kCannotWrite + readOnly);
    }

    // A file that another program holds open cannot be set aside on Windows: the command
    // fails, names the file and changes nothing.
    void fileHeldOpenByAnotherProgram_data() {
        QTest::addColumn<QString>("held");
        QTest::addColumn<Action>("action");
        QTest::newRow("kri4.dat, register") << kHistoryFile << Action::RegisterMatch;
        QTest::newRow("kri4key.dat, register") << kCandidateFile << Action::RegisterMatch;
        QTest::newRow("kaisuu4.txt, delete") << kCounterFile << Action::Delete;
        QTest::newRow("yosou4.txt, predict") << kReportFile << Action::Predict;
    }
    void fileHeldOpenByAnotherProgram() {
        QFETCH(QString, held);
        QFETCH(Action, action);
        test::TestBench bench;
        fillFolder(bench);
        const Folder before = folderContents(bench);
        test::WindowSession session(bench);
        {
            const test::FileHeldOpen open(bench.path(held));
            if (!open.holds()) QSKIP("only Windows keeps an open file from being renamed");
            run(session, action);
        }
        QCOMPARE(folderContents(bench), before);
        QCOMPARE(bench.endedWith, 1);
        QCOMPARE(bench.dialogs.shown().last().text, kCannotWrite + held);
    }

    // A folder of the same name in place of a file, there from the start or put there while the
    // registration window is open.
    void folderInPlaceOfAFileIsReported_data() {
        QTest::addColumn<QString>("replaced");
        QTest::addColumn<bool>("onceOpen");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("message");
        QTest::newRow("kri4.dat, opening the registration window")
            << kHistoryFile << false << Action::RegisterMatch << "ファイルを開けません: kri4.dat";
        QTest::newRow("kri4key.dat, predict")
            << kCandidateFile << false << Action::Predict << "ファイルを開けません: kri4key.dat";
        QTest::newRow("yosou4.txt, predict")
            << kReportFile << false << Action::Predict << kCannotWrite + kReportFile;
        QTest::newRow("kri4.dat, register")
            << kHistoryFile << true << Action::RegisterMatch << kCannotWrite + kHistoryFile;
        QTest::newRow("kri4.dat, delete")
            << kHistoryFile << true << Action::Delete << kCannotWrite + kHistoryFile;
        QTest::newRow("kri4key.dat, register")
            << kCandidateFile << true << Action::RegisterMatch << kCannotWrite + kCandidateFile;
        QTest::newRow("kaisuu4.txt, delete")
            << kCounterFile << true << Action::Delete << kCannotWrite + kCounterFile;
    }
    void folderInPlaceOfAFileIsReported() {
        QFETCH(QString, replaced);
        QFETCH(bool, onceOpen);
        QFETCH(Action, action);
        QFETCH(QString, message);
        test::TestBench bench;
        fillFolder(bench);
        const auto replace = [&] {
            QFile::remove(bench.path(replaced));
            QVERIFY(QDir(bench.folder.path()).mkdir(replaced));
        };
        Folder before = folderContents(bench);
        before.remove(replaced);  // a folder is no file
        if (!onceOpen) replace();
        {
            test::WindowSession session(bench);
            if (onceOpen) {
                session.openRegistration();
                replace();
            }
            run(session, action);
        }
        QCOMPARE(folderContents(bench), before);
        QCOMPARE(bench.endedWith, 1);
        QCOMPARE(failureShown(bench), message);
    }

    void counterFolderInPlaceOfTheFileStopsStartUp() {
        test::TestBench bench;
        QVERIFY(QDir(bench.folder.path()).mkdir(kCounterFile));
        test::WindowSession session(bench);
        QCOMPARE(bench.dialogs.shown().last().text, "ファイルを開けません: kaisuu4.txt");
        QCOMPARE(session.nextRound(), "Text1");
    }
};

QTEST_MAIN(TestCommandFaults)
#include "test_command_faults.moc"
