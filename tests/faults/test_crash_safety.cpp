#include <sys/wait.h>
#include <unistd.h>

#include <QLockFile>
#include <QTest>
#include <csignal>
#include <functional>

#include "cli/tool_command.h"
#include "data/data_files.h"
#include "data/file_names.h"
#include "platform/failure.h"
#include "register/deletion.h"
#include "register/registration.h"
#include "support/folder_snapshot.h"
#include "support/random_draws.h"
#include "support/test_data.h"

using namespace k4;
using test::golden;

namespace {

// How a child process running a command ended.
enum class Ending { Crashed, Completed, Failed };
constexpr int kCrashedStatus = 86;

// Ends the process at once, as a kill or a power cut would, just before the n-th write step.
class CrashAt final : public WriteFaults {
public:
    explicit CrashAt(int step) : step_(step) {}
    bool fails(WriteStep, const QString&) override {
        if (++seen_ == step_) _exit(kCrashedStatus);
        return false;
    }

private:
    int step_;
    int seen_ = 0;
};

Ending inChild(const std::function<void()>& work) {
    const pid_t child = fork();
    if (child == 0) {
        try {
            work();
        } catch (...) {
            _exit(1);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == kCrashedStatus) return Ending::Crashed;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Ending::Completed : Ending::Failed;
}

enum class Action {
    RegisterMatch,
    RegisterNoMatch,
    Delete,
    ImportIntoEmpty,
    ImportOverFull,
    Report
};

void fillFolder(test::TestBench& bench) {
    bench.writeFile(kHistoryFile, golden(kHistoryFile));
    bench.writeFile(kCandidateFile, golden(kCandidateFile));
    bench.writeFile(kCounterFile, "56\r\n");
    bench.writeFile(kReportFile, "an earlier report\r\n");
}

// The folder once recovery ran. A killed writer's lock file stays until the next commit takes it
// over (its process is gone, so it stops nothing): recovery that finds nothing to recover writes
// nothing, not even to remove it.
test::FolderContents recovered(const test::TestBench& bench) {
    test::FolderContents contents = test::folderContents(bench);
    contents.remove(QStringLiteral(".kirikata4.lock"));
    return contents;
}

// Runs the command on the folder with its writes going through `faults`.
void run(Action command, test::TestBench& bench, const QString& pastResults, WriteFaults* faults) {
    DiskFileSystem disk(bench.folder.path(), faults);
    DataFiles files(disk);
    switch (command) {
        case Action::RegisterMatch:
            registerResult(files, "0123", files.readHistory().lines(), files.readState());
            return;
        case Action::RegisterNoMatch:
            registerResult(files, "1122", files.readHistory().lines(), files.readState());
            return;
        case Action::Delete:
            deleteNewestResult(files, files.readHistory().lines(), files.readState());
            return;
        case Action::ImportIntoEmpty:
        case Action::ImportOverFull: {
            QString out;
            QTextStream stream(&out);
            Console console{stream, stream, Language::English, false};
            const QStringList arguments = {"kirikata4-tool",    "import", pastResults, "--folder",
                                           bench.folder.path(), "--force"};
            if (runTool(parseToolArguments(arguments, Language::English), console, faults) != 0)
                throw Failure(FailureKind::CannotWrite, out);
            return;
        }
        case Action::Report:
            files.writeTextFile(kReportFile, QStringList(45, QStringLiteral("a new report")));
            return;
    }
}

void recover(test::TestBench& bench, WriteFaults* faults = nullptr) {
    DiskFileSystem disk(bench.folder.path(), faults);
    DataFiles(disk).recover();
}

}  // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        pastResults_.writeFile("past.txt", test::randomDraws(40, 7).join("\n").toLatin1());
    }
    void cleanupTestCase() { qInfo("crash points in all: %d", crashPoints_); }

    // The process dies before each write step in turn; after recovery the folder is exactly as
    // before the command or exactly as after it, with no temporary file or journal left.
    // Where asked, recovery itself dies before each of its steps, and a later one completes it.
    void everyCrashPoint_data() {
        QTest::addColumn<Action>("command");
        QTest::addColumn<bool>("crashRecoveryToo");
        QTest::newRow("register, a match") << Action::RegisterMatch << true;
        QTest::newRow("register, no match") << Action::RegisterNoMatch << false;
        QTest::newRow("delete") << Action::Delete << false;
        QTest::newRow("import into an empty folder") << Action::ImportIntoEmpty << false;
        QTest::newRow("import over a full folder") << Action::ImportOverFull << true;
        QTest::newRow("report") << Action::Report << false;
    }
    void everyCrashPoint() {
        QFETCH(Action, command);
        QFETCH(bool, crashRecoveryToo);
        const QString past = pastResults_.path("past.txt");
        const auto prepare = [&](test::TestBench& bench) {
            if (command != Action::ImportIntoEmpty) fillFolder(bench);
        };
        test::TestBench reference;
        prepare(reference);
        const test::FolderContents before = test::folderContents(reference);
        run(command, reference, past, nullptr);
        const test::FolderContents after = test::folderContents(reference);
        QVERIFY(before != after);

        int recoveryCrashes = 0;
        for (int step = 1;; ++step) {
            // Recovery crashes at none of its steps first, then at each of them in turn.
            bool recoveryCompleted = false;
            for (int recoveryStep = 0; !recoveryCompleted; ++recoveryStep) {
                test::TestBench bench;
                prepare(bench);
                CrashAt crash(step);
                const Ending ending = inChild([&] { run(command, bench, past, &crash); });
                QVERIFY(ending != Ending::Failed);
                if (ending == Ending::Completed) {
                    QCOMPARE(test::folderContents(bench), after);
                    qInfo("%s: %d crash points in the command, %d in recovery",
                          QTest::currentDataTag(), step - 1, recoveryCrashes);
                    crashPoints_ += step - 1 + recoveryCrashes;
                    return;
                }
                if (recoveryStep > 0) {
                    CrashAt recoveryCrash(recoveryStep);
                    recoveryCompleted =
                        inChild([&] { recover(bench, &recoveryCrash); }) == Ending::Completed;
                    recoveryCrashes += !recoveryCompleted;
                }
                recover(bench);
                const test::FolderContents now = recovered(bench);
                QVERIFY2(now == before || now == after,
                         qPrintable(QStringLiteral("crash at step %1, recovery crash at step %2")
                                        .arg(step)
                                        .arg(recoveryStep)));
                recoveryCompleted = recoveryCompleted || !crashRecoveryToo;
            }
        }
    }

    // A second writer waits for the lock and then gives up, naming the folder; nothing changes.
    void commitWhileAnotherProcessHoldsTheLock() {
        test::TestBench bench;
        fillFolder(bench);
        const test::FolderContents before = test::folderContents(bench);
        int ready[2];
        QVERIFY(pipe(ready) == 0);
        const pid_t holder = fork();
        if (holder == 0) {
            QLockFile lock(bench.path(".kirikata4.lock"));
            char byte = lock.lock();
            if (write(ready[1], &byte, 1) != 1) _exit(1);
            pause();
            _exit(0);
        }
        char byte = 0;
        QVERIFY(read(ready[0], &byte, 1) == 1 && byte == 1);
        QString message;
        try {
            run(Action::RegisterMatch, bench, {}, nullptr);
        } catch (const Failure& failure) {
            message = failure.message();
        }
        kill(holder, SIGKILL);
        waitpid(holder, nullptr, 0);
        QCOMPARE(message, "ほかのプログラムがデータフォルダに書き込んでいます: " +
                              QDir::toNativeSeparators(bench.folder.path()));
        recover(bench);
        QCOMPARE(recovered(bench), before);
    }

private:
    test::TestBench pastResults_;
    int crashPoints_ = 0;
};

QTEST_APPLESS_MAIN(TestCrashSafety)
#include "test_crash_safety.moc"
