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

// A data folder whose files live in memory, where a power cut can be pulled at any step. The
// tool opens it by its path, an empty folder on the disk.
struct MemoryFolder {
    explicit MemoryFolder(const QString& path) { folders.serve(path, memory); }

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
    if (cut) folder.memory.cutPower();
    return cut;
}

void recover(MemoryFolder& folder) {
    DataFiles(folder.files).recover();
}

}  // namespace

class TestPowerCut : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(past_.isValid() && dataFolder_.isValid());
        QFile file(past_.filePath("past.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(test::randomDraws(40, 7).join("\n").toLatin1());
    }
    void cleanupTestCase() { qInfo("power cut points in all: %d", cutPoints_); }

    // The power goes before each write step in turn, and the next start recovers on what
    // reached the disk: the folder is exactly as before the command or exactly as after it. The
    // power also goes before each step of that recovery, and then right after it; the start
    // after that ends where the uninterrupted recovery does, so a decided command is never
    // undone. A command that went through survives a cut right after it.
    void everyPowerCutPoint_data() {
        QTest::addColumn<DataCommand>("command");
        for (const auto& [name, command] : test::kDataCommands) QTest::newRow(name) << command;
    }
    void everyPowerCutPoint() {
        QFETCH(DataCommand, command);
        const QString past = past_.filePath("past.txt");
        const auto run = [&](MemoryFolder& folder) {
            test::runDataCommand(command, folder.files, folder.folders, dataFolder_.path(), past);
        };
        const auto prepare = [&](MemoryFolder& folder) {
            test::prepareFolder(command, folder.files);
        };
        MemoryFolder reference(dataFolder_.path());
        prepare(reference);
        const Contents before = reference.memory.files();
        run(reference);
        const Contents after = reference.memory.files();
        QVERIFY(before != after);

        int commandCuts = 0, recoveryCuts = 0;
        for (int step = 1;; ++step) {
            MemoryFolder folder(dataFolder_.path());
            prepare(folder);
            if (!cutAt(folder, step, [&] { run(folder); })) {
                QCOMPARE(folder.memory.files(), after);
                folder.memory.cutPower();
                recover(folder);
                QCOMPARE(folder.memory.files(), after);
                break;
            }
            ++commandCuts;
            const test::MemoryFileSystem survived = folder.memory;
            recover(folder);
            const Contents recovered = folder.memory.files();
            QVERIFY2(recovered == before || recovered == after,
                     qPrintable(QStringLiteral("power cut at step %1").arg(step)));

            // The last round lets recovery go through and cuts the power after it.
            for (int recoveryStep = 1;; ++recoveryStep) {
                MemoryFolder again(dataFolder_.path());
                again.memory = survived;
                const bool cut = cutAt(again, recoveryStep, [&] { recover(again); });
                if (!cut) again.memory.cutPower();
                recover(again);
                QVERIFY2(again.memory.files() == recovered,
                         qPrintable(QStringLiteral("power cut at step %1, in recovery at step %2")
                                        .arg(step)
                                        .arg(recoveryStep)));
                if (!cut) break;
                ++recoveryCuts;
            }
        }
        qInfo("%s: %d power cut points in the command, %d in recovery, 1 after it",
              QTest::currentDataTag(), commandCuts, recoveryCuts);
        cutPoints_ += commandCuts + recoveryCuts + 1;
    }

private:
    QTemporaryDir past_;
    QTemporaryDir dataFolder_;
    int cutPoints_ = 0;
};

QTEST_APPLESS_MAIN(TestPowerCut)
#include "test_power_cut.moc"
