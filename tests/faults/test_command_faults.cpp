#include <unistd.h>

#include <QDir>
#include <QTest>

#include "data/file_names.h"
#include "support/folder_snapshot.h"
#include "window_session.h"

using namespace k4;

namespace {

QByteArray golden(const QString& name) {
    QFile file(QStringLiteral(K4_GOLDEN_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly)) qFatal("no golden file %s", qPrintable(name));
    return file.readAll();
}

// A data folder with a history long enough for the prediction to list something, a candidate
// table in which the registered result matches, a counter and an earlier report.
void fillFolder(test::TestBench& bench) {
    bench.writeFile(kHistoryFile, golden(kHistoryFile));
    bench.writeFile(kCandidateFile, golden(kCandidateFile));
    bench.writeFile(kCounterFile, "56\r\n");
    bench.writeFile(kReportFile, "an earlier report\r\n");
}

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

int totalInjected = 0;

}  // namespace

class TestCommandFaults : public QObject {
    Q_OBJECT

private slots:
    void cleanupTestCase() { qInfo("failure points injected in all: %d", totalInjected); }

    void everyFailingWriteStepChangesNoFile_data() {
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("filesWritten");
        QTest::newRow("register, a match") << Action::RegisterMatch << 3;
        QTest::newRow("register, no match") << Action::RegisterNoMatch << 2;
        QTest::newRow("delete") << Action::Delete << 2;
        QTest::newRow("predict") << Action::Predict << 1;
    }
    void everyFailingWriteStepChangesNoFile() {
        QFETCH(Action, action);
        QFETCH(int, filesWritten);
        int failingStep = 1;
        for (;; ++failingStep) {
            test::TestBench bench;
            fillFolder(bench);
            const QByteArrayList before = test::folderSnapshot(bench);
            test::WindowSession session(bench);
            bench.faults.arm(failingStep);
            run(session, action);
            if (!bench.faults.fired()) break;  // every step has been failed once
            QCOMPARE(test::folderSnapshot(bench), before);
            QCOMPARE(bench.endedWith, 1);
            QVERIFY(bench.dialogs.shown().last().text.startsWith("ファイルに書き込めません: "));
        }
        const int injected = failingStep - 1;
        // Each file is one chunk: creating, writing, flushing and renaming it can fail.
        QVERIFY(injected >= 4 * filesWritten);
        qInfo("%s: %d failure points", QTest::currentDataTag(), injected);
        totalInjected += injected;
    }

    void readOnlyFileFailsAndChangesNoFile_data() {
        QTest::addColumn<QString>("readOnly");
        QTest::addColumn<Action>("action");
        QTest::newRow("kri4.dat, register") << kHistoryFile << Action::RegisterMatch;
        QTest::newRow("kri4key.dat, register") << kCandidateFile << Action::RegisterMatch;
        QTest::newRow("kaisuu4.txt, register") << kCounterFile << Action::RegisterMatch;
        QTest::newRow("kri4.dat, delete") << kHistoryFile << Action::Delete;
        QTest::newRow("kaisuu4.txt, delete") << kCounterFile << Action::Delete;
        QTest::newRow("yosou4.txt, predict") << kReportFile << Action::Predict;
    }
    void readOnlyFileFailsAndChangesNoFile() {
        QFETCH(QString, readOnly);
        QFETCH(Action, action);
        test::TestBench bench;
        fillFolder(bench);
        QFile::setPermissions(bench.path(readOnly), QFileDevice::ReadOwner | QFileDevice::ReadUser);
        const QByteArrayList before = test::folderSnapshot(bench);
        {
            test::WindowSession session(bench);
            run(session, action);
        }
        QCOMPARE(test::folderSnapshot(bench), before);
        QCOMPARE(bench.endedWith, 1);
        QCOMPARE(bench.dialogs.shown().last().text, "ファイルに書き込めません: " + readOnly);
    }

    void folderInPlaceOfAFileIsReported_data() {
        QTest::addColumn<QString>("replaced");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("message");
        QTest::newRow("kri4.dat, opening the registration window")
            << kHistoryFile << Action::RegisterMatch << "ファイルを開けません: kri4.dat";
        QTest::newRow("kri4key.dat, predict")
            << kCandidateFile << Action::Predict << "ファイルを開けません: kri4key.dat";
        QTest::newRow("yosou4.txt, predict")
            << kReportFile << Action::Predict << "ファイルに書き込めません: yosou4.txt";
    }
    void folderInPlaceOfAFileIsReported() {
        QFETCH(QString, replaced);
        QFETCH(Action, action);
        QFETCH(QString, message);
        test::TestBench bench;
        fillFolder(bench);
        QFile::remove(bench.path(replaced));
        QVERIFY(QDir(bench.folder.path()).mkdir(replaced));
        const QByteArrayList before = test::folderSnapshot(bench);
        {
            test::WindowSession session(bench);
            run(session, action);
        }
        QCOMPARE(test::folderSnapshot(bench), before);
        QCOMPARE(bench.endedWith, 1);
        QCOMPARE(bench.dialogs.shown().first().text, message);
    }

    void counterFolderInPlaceOfTheFileStopsStartUp() {
        test::TestBench bench;
        QVERIFY(QDir(bench.folder.path()).mkdir(kCounterFile));
        test::WindowSession session(bench);
        QCOMPARE(bench.dialogs.shown().last().text, "ファイルを開けません: kaisuu4.txt");
        QCOMPARE(session.nextRound(), "Text1");
    }

    void unwritableFolderFailsAndChangesNoFile() {
        if (geteuid() == 0) QSKIP("root writes into any folder; the read-only file cases stand in");
        test::TestBench bench;
        fillFolder(bench);
        const QByteArrayList before = test::folderSnapshot(bench);
        QFile::setPermissions(bench.folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        {
            test::WindowSession session(bench);
            session.registerResult("0123");
        }
        QFile::setPermissions(bench.folder.path(), QFileDevice::ReadOwner |
                                                       QFileDevice::WriteOwner |
                                                       QFileDevice::ExeOwner);
        QCOMPARE(test::folderSnapshot(bench), before);
        QCOMPARE(bench.endedWith, 1);
    }
};

QTEST_MAIN(TestCommandFaults)
#include "test_command_faults.moc"
