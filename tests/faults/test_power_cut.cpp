#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "data/data_files.h"
#include "data_commands.h"
#include "platform/failure.h"
#include "support/faulty_file_system.h"
#include "support/memory_file_system.h"
#include "support/random_draws.h"

using namespace k4;
using test::DataCommand;
using Contents = QMap<QString, QByteArray>;

namespace {

// The folders of the commands' inputs, in memory too: the file of past results and the backup.
struct InputFolders {
    test::MemoryFileSystem pastResults, backup;
};

// A data folder whose files live in memory, where a power cut can be pulled at any step. The
// tool opens it by its path, an empty folder on the disk, and the inputs by theirs.
struct MemoryFolder {
    MemoryFolder(const QString& path, InputFolders& inputs, const test::CommandInputs& paths) {
        folders.serve(path, memory);
        folders.serve(QFileInfo(paths.pastResults).absolutePath(), inputs.pastResults);
        folders.serve(paths.backupFolder, inputs.backup);
    }

    test::MemoryFileSystem memory;
    test::CountdownFaults faults;
    test::FaultyFileSystem files{memory, faults};
    test::FaultyFolderOpener folders{faults};
};

// Runs `work` with the power cut at its n-th write step; returns whether it was cut (rather
// than going through). A Failure on a sound disk fails the test.
template <typename Work>
bool cutAt(MemoryFolder& folder, int step, Work work) {
    folder.faults.cutPowerAt(step);
    bool cut = false;
    try {
        work();
    } catch (const test::PowerCut&) {
        cut = true;
    } catch (const Failure& failure) {
        QTest::qFail(failure.what(), __FILE__, __LINE__);
    }
    folder.faults.disarm();
    return cut;
}

// Calls `next` with each folder the next start may find after the power goes now: the
// folder's names as of its last sync with any of the later changes written, each file's content
// as of its last sync.
template <typename Next>
void forEachSurvivor(const test::MemoryFileSystem& atCut, Next next) {
    const qsizetype changes = atCut.unsyncedChanges();
    for (int written = 0; written < (1 << changes); ++written) {
        QList<bool> kept;
        for (qsizetype change = 0; change < changes; ++change) kept << bool(written >> change & 1);
        test::MemoryFileSystem survivor = atCut;
        survivor.cutPower(kept);
        next(survivor);
    }
}

void recover(MemoryFolder& folder) {
    DataFiles(folder.files).recover();
}

}  // namespace

class TestPowerCut : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(dataFolder_.isValid());
        // Paths in a folder of the disk where nothing is: only the served memory is read.
        inputs_ = test::prepareInputs(inputFolders_.pastResults, dataFolder_.filePath("past"),
                                      inputFolders_.backup, dataFolder_.filePath("backup"));
    }
    void cleanupTestCase() { qInfo("power cut points in all: %d", cutPoints_); }

    // The power goes before each write step in turn, and the next start recovers on what
    // reached the disk: the folder is exactly as before the command or exactly as after it. The
    // power also goes before each step of that recovery, and right after it; the start after
    // that ends where the uninterrupted recovery does, so that a decided command is never undone.
    // A command that went through survives a cut right after it.
    void everyPowerCutPoint_data() {
        QTest::addColumn<DataCommand>("command");
        for (const auto& [name, command] : test::kDataCommands) QTest::newRow(name) << command;
    }
    void everyPowerCutPoint() {
        QFETCH(DataCommand, command);
        const QString path = dataFolder_.path();
        MemoryFolder reference(path, inputFolders_, inputs_);
        test::prepareFolder(command, reference.files);
        const test::MemoryFileSystem start = reference.memory;
        const Contents before = reference.memory.files();
        test::runDataCommand(command, reference.files, reference.folders, path, inputs_);
        const Contents after = reference.memory.files();
        QVERIFY(before != after);

        int commandCuts = 0, recoveryCuts = 0, survivors = 0;
        for (int step = 1;; ++step) {
            MemoryFolder folder(path, inputFolders_, inputs_);
            folder.memory = start;
            const bool cut = cutAt(folder, step, [&] {
                test::runDataCommand(command, folder.files, folder.folders, path, inputs_);
            });
            if (!cut) QCOMPARE(folder.memory.files(), after);
            const QString where = cut ? QStringLiteral("a power cut at step %1").arg(step)
                                      : QStringLiteral("a power cut after success");
            forEachSurvivor(folder.memory, [&](const test::MemoryFileSystem& survived) {
                ++survivors;
                MemoryFolder recovered(path, inputFolders_, inputs_);
                recovered.memory = survived;
                recover(recovered);
                const Contents whole = recovered.memory.files();
                QVERIFY2(whole == after || (cut && whole == before), qPrintable(where));
                for (int recoveryStep = 1;; ++recoveryStep) {
                    MemoryFolder again(path, inputFolders_, inputs_);
                    again.memory = survived;
                    const bool recoveryCut = cutAt(again, recoveryStep, [&] { recover(again); });
                    recoveryCuts += recoveryCut;
                    forEachSurvivor(again.memory, [&](const test::MemoryFileSystem& left) {
                        MemoryFolder last(path, inputFolders_, inputs_);
                        last.memory = left;
                        recover(last);
                        QVERIFY2(last.memory.files() == whole,
                                 qPrintable(
                                     where +
                                     QStringLiteral(", in recovery at step %1").arg(recoveryStep)));
                    });
                    if (!recoveryCut) break;
                }
            });
            if (!cut) break;
            ++commandCuts;
        }
        qInfo(
            "%s: %d power cut points in the command and 1 after it, %d in recovery; %d folders "
            "the next start may find",
            QTest::currentDataTag(), commandCuts, recoveryCuts, survivors);
        cutPoints_ += commandCuts + 1 + recoveryCuts;
    }

private:
    InputFolders inputFolders_;
    test::CommandInputs inputs_;
    QTemporaryDir dataFolder_;
    int cutPoints_ = 0;
};

QTEST_APPLESS_MAIN(TestPowerCut)
#include "test_power_cut.moc"
