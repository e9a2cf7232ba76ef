// Another program (a second copy of this one, kirikata4-tool import) changes the data folder
// while a window is open on it.

#include <QLineEdit>
#include <QTest>

#include "data/data_files.h"
#include "data/file_names.h"
#include "import/past_import.h"
#include "register/registration.h"
#include "support/folder_snapshot.h"
#include "support/test_data.h"
#include "support/window_session.h"
#include "ui/main_window.h"
#include "ui/program_start.h"

using namespace k4;
using test::candidateFile;

namespace {

// A folder of 30 results, counter 30.
void fillFolder(test::TestBench& bench) {
    QByteArray history;
    for (int i = 0; i < 30; ++i) history += QByteArray::number(5000 + i) + "\r\n";
    bench.writeDataFiles(history, candidateFile(), "30\r\n");
}

// What another program does to the folder, through files of its own.
enum class Change { RegisteredElsewhere, ImportedOver };

void changeElsewhere(const test::TestBench& bench, Change change) {
    DiskFileSystem other(bench.folder.path());
    DataFiles files(other);
    if (change == Change::RegisteredElsewhere) {
        const DataFilesState state = files.readState();
        registerResult(files, "1111", DataFiles::historyIn(state).lines(), state);
        return;
    }
    RegistrationReplay replay;
    for (int i = 0; i < 40; ++i) replay.registerResult(QString::number(7000 + i));
    writeImport(other, replay, files.readState());
}

int counterOf(const test::TestBench& bench) {
    return bench.fileBytes(kCounterFile)->trimmed().toInt();
}

}  // namespace

Q_DECLARE_METATYPE(Change)

class TestOtherPrograms : public QObject {
    Q_OBJECT

private slots:
    // A window opened before another program changed the files writes nothing, says why and
    // lists the files anew; the next try then goes through on what they hold.
    void staleWindowRefusesThenWorksOnTheNewFiles_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("deleting");
        QTest::newRow("registered elsewhere, register") << Change::RegisteredElsewhere << false;
        QTest::newRow("registered elsewhere, delete") << Change::RegisteredElsewhere << true;
        QTest::newRow("imported over, register") << Change::ImportedOver << false;
        QTest::newRow("imported over, delete") << Change::ImportedOver << true;
    }
    void staleWindowRefusesThenWorksOnTheNewFiles() {
        QFETCH(Change, change);
        QFETCH(bool, deleting);
        test::TestBench bench;
        fillFolder(bench);
        test::WindowSession session(bench);
        session.openRegistration();
        changeElsewhere(bench, change);
        const test::FolderContents changed = test::folderContents(bench);
        const QStringList history =
            DataFiles::historyIn(DataFiles(bench.files).readState()).lines();

        const auto act = [&] {
            if (deleting) {
                session.deleteNewest();
            } else {
                session.typeResult("2222");
                session.pressInRegistration(test::WindowSession::Registration::Register);
            }
        };
        act();
        QCOMPARE(test::folderContents(bench), changed);
        QVERIFY(!bench.endedWith);
        QCOMPARE(bench.dialogs.shown().last().text,
                 "データがほかのプログラムで変更されました: " +
                     QDir::toNativeSeparators(bench.folder.path()) +
                     "\nもう一度開いてからやり直してください。");
        QVERIFY(session.registrationWindow());
        QCOMPARE(session.listedHistory(), history);

        act();
        const QStringList after = DataFiles::historyIn(DataFiles(bench.files).readState()).lines();
        QCOMPARE(after, deleting ? history.mid(1) : QStringList{"2222"} + history);
        QCOMPARE(counterOf(bench), change == Change::RegisteredElsewhere
                                       ? 31 + (deleting ? -1 : 1)
                                       : 40 + (deleting ? -1 : 1));
        QCOMPARE(session.nextRound(), QString::number(counterOf(bench) + 1));
    }

    // The next round, the registration window's list and the report's round follow a
    // registration made by another program.
    void windowsFollowAnotherProgram() {
        test::TestBench bench;
        fillFolder(bench);
        ProgramWindows windows(bench.services, {});
        windows.start();
        auto* nextRound =
            test::WindowSession::nextRoundBox(*test::openWindows<MainWindow>().first());
        QCOMPARE(nextRound->text(), "31");
        QTest::mouseClick(
            test::WindowSession::registerDataButton(*test::openWindows<MainWindow>().first()),
            Qt::LeftButton);

        RegistrationWindow* registration = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<RegistrationWindow*>(window)) registration = found;
        QVERIFY(registration);
        const QAbstractItemModel* listed = test::WindowSession::historyList(*registration)->model();
        QCOMPARE(listed->rowCount(), 30);

        changeElsewhere(bench, Change::RegisteredElsewhere);
        QTRY_COMPARE(nextRound->text(), "32");
        QTRY_COMPARE(listed->rowCount(), 31);
        QCOMPARE(listed->index(0, 0).data().toString(), "1111");
        QVERIFY(bench.dialogs.shown().isEmpty());
    }

    // Predict reads the files once: its report carries the round they give, also when no
    // change was seen yet; a round the user typed over the shown one stays.
    void reportRoundBelongsToTheFilesRead() {
        test::TestBench bench;
        fillFolder(bench);
        test::WindowSession session(bench);
        changeElsewhere(bench, Change::RegisteredElsewhere);
        session.predict();
        QCOMPARE(session.nextRound(), "32");
        QVERIFY(bench.fileBytes(kReportFile)->contains(" 32 "));
        session.setNextRound("77");
        session.predict();
        QCOMPARE(session.nextRound(), "77");
    }
};

QTEST_MAIN(TestOtherPrograms)
#include "test_other_programs.moc"
