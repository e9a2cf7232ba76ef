#include <sys/wait.h>
#include <unistd.h>

#include <QLockFile>
#include <QTest>
#include <csignal>
#include <functional>

#include "data/data_files.h"
#include "data_commands.h"
#include "platform/failure.h"
#include "support/folder_snapshot.h"
#include "support/random_draws.h"

using namespace k4;
using test::DataCommand;

namespace {

// How a child process running a command ended.
enum class Ending { Killed, Completed, Failed };

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
    if (WIFEXITED(status) && WEXITSTATUS(status) == test::kKilledStatus) return Ending::Killed;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Ending::Completed : Ending::Failed;
}

void run(DataCommand command, test::TestFolder& bench, const test::CommandInputs& inputs) {
    test::runDataCommand(command, bench.files, bench.folders, bench.folder.path(), inputs);
}

// The folder once recovery ran. A killed writer's lock file stays until the next commit takes it
// over (its process is gone, so it stops nothing): recovery that finds nothing to recover writes
// nothing, not even to remove it.
test::FolderContents recovered(const test::TestFolder& bench) {
    test::FolderContents contents = test::folderContents(bench);
    contents.remove(QStringLiteral(".kirikata4.lock"));
    return contents;
}

void recover(test::TestFolder& bench) {
    DataFiles(bench.files).recover();
}

}  // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        inputs_ = test::prepareInputs(pastResults_.files, pastResults_.folder.path(), backup_.files,
                                      backup_.folder.path());
    }
    void cleanupTestCase() { qInfo("crash points in all: %d", crashPoints_); }

    // The process is killed before each write step in turn; after recovery the folder is exactly
    // as before the command or exactly as after it, with no temporary file or journal left.
    // Where asked, recovery itself is killed before each of its steps, and a later one completes
    // it.
    void everyCrashPoint_data() {
        QTest::addColumn<DataCommand>("command");
        QTest::addColumn<bool>("crashRecoveryToo");
        // Recovery runs the same steps after every command: two of them are enough for it.
        for (const auto& [name, command] : test::kDataCommands)
            QTest::newRow(name) << command
                                << (command == DataCommand::RegisterMatch ||
                                    command == DataCommand::ImportOverFull);
    }
    void everyCrashPoint() {
        QFETCH(DataCommand, command);
        QFETCH(bool, crashRecoveryToo);
        const auto prepare = [&](test::TestFolder& bench) {
            test::prepareFolder(command, bench.files);
        };
        test::TestFolder reference;
        prepare(reference);
        const test::FolderContents before = test::folderContents(reference);
        run(command, reference, inputs_);
        const test::FolderContents after = test::folderContents(reference);
        QVERIFY(before != after);

        int recoveryCrashes = 0;
        for (int step = 1;; ++step) {
            // Recovery is killed at none of its steps first, then at each of them in turn.
            bool recoveryCompleted = false;
            for (int recoveryStep = 0; !recoveryCompleted; ++recoveryStep) {
                test::TestFolder bench;
                prepare(bench);
                bench.faults.killAt(step);
                const Ending ending = inChild([&] { run(command, bench, inputs_); });
                bench.faults.disarm();
                QVERIFY(ending != Ending::Failed);
                if (ending == Ending::Completed) {
                    QCOMPARE(test::folderContents(bench), after);
                    qInfo("%s: %d crash points in the command, %d in recovery",
                          QTest::currentDataTag(), step - 1, recoveryCrashes);
                    crashPoints_ += step - 1 + recoveryCrashes;
                    return;
                }
                if (recoveryStep > 0) {
                    bench.faults.killAt(recoveryStep);
                    recoveryCompleted = inChild([&] { recover(bench); }) == Ending::Completed;
                    bench.faults.disarm();
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
        test::TestFolder bench;
        test::prepareFolder(DataCommand::RegisterMatch, bench.files);
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
            run(DataCommand::RegisterMatch, bench, {});
        } catch (const Failure& failure) {
            message = failure.message();
        }
        kill(holder, SIGKILL);
        waitpid(holder, nullptr, 0);
        QCOMPARE(message, "ほかのプログラムがデータフォルダーに書き込んでいます: " +
                              QDir::toNativeSeparators(bench.folder.path()));
        recover(bench);
        QCOMPARE(recovered(bench), before);
    }

private:
    test::TestFolder pastResults_, backup_;
    test::CommandInputs inputs_;
    int crashPoints_ = 0;
};

QTEST_APPLESS_MAIN(TestCrashSafety)
#include "test_crash_safety.moc"
