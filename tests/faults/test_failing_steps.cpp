#include <QTest>

#include "data_commands.h"
#include "support/folder_snapshot.h"

using namespace k4;
using test::DataCommand;

// The commands of the ticket book, run as the tool runs them, with each of their write steps
// failing in turn until they go through: each failure leaves every file of the folder as it was.
// The registration, the deletion and the import fail each step in their own suites.
class TestFailingSteps : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        inputs_ = test::prepareInputs(pastResults_.files, pastResults_.folder.path(), backup_.files,
                                      backup_.folder.path());
    }

    void everyFailingWriteStep_data() {
        QTest::addColumn<DataCommand>("command");
        for (const auto& [name, command] : test::kDataCommands)
            if (command == DataCommand::AddTicket || command == DataCommand::RemoveTicket)
                QTest::newRow(name) << command;
    }
    void everyFailingWriteStep() {
        QFETCH(DataCommand, command);
        test::TestFolder bench;
        test::prepareFolder(command, bench.files);
        const int failed = test::failEachWriteStep(bench, [&] {
            test::runDataCommand(command, bench.files, bench.folders, bench.folder.path(), inputs_);
        });
        QVERIFY(failed > 0);
        qInfo("%s: %d failing steps", QTest::currentDataTag(), failed);
    }

private:
    test::TestFolder pastResults_, backup_;
    test::CommandInputs inputs_;
};

QTEST_APPLESS_MAIN(TestFailingSteps)
#include "test_failing_steps.moc"
