#include <QComboBox>
#include <QDir>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "data/file_names.h"
#include "platform/file_system.h"
#include "support/test_data.h"
#include "support/test_services.h"
#include "ui/statistics/backtest_page.h"
#include "ui/statistics/statistics_window.h"

using namespace k4;

namespace {

// The statistics window on a bench, shown, its backtest computed.
class OpenWindow {
public:
    explicit OpenWindow(test::TestBench& bench)
        : window_(new StatisticsWindow(bench.services, 10, [](const QString&) {})) {
        QSignalSpy computed(window_->backtestPage(), &BacktestPage::computed);
        window_->load();
        if (!computed.wait()) qWarning("the backtest was not computed");
    }
    ~OpenWindow() { delete window_; }

    // Opens one of the window's file choosers as the user does.
    void open(const QString& chooser) const {
        if (chooser == "CSV" || chooser == "chart") {
            window_->showPage(StatisticsWindow::Page::Backtest);
            click(chooser == "CSV" ? "saveCsvButton" : "saveChartButton");
        } else if (chooser == "backtest file") {
            window_->showPage(StatisticsWindow::Page::Backtest);
            auto* box = window_->findChild<QComboBox*>("sourceBox");
            box->setCurrentIndex(1);
            emit box->activated(1);
        } else {
            window_->showPage(StatisticsWindow::Page::Import);
            click("chooseFileButton");
        }
    }

private:
    void click(const char* name) const {
        QTest::mouseClick(window_->findChild<QPushButton*>(name), Qt::LeftButton);
    }

    QPointer<StatisticsWindow> window_;
};

bool saves(const QString& chooser) {
    return chooser == "CSV" || chooser == "chart";
}

}  // namespace

class TestFileDialogFolders : public QObject {
    Q_OBJECT

private slots:
    // The first chooser starts in the documents folder. The next one of its kind (saving or
    // opening) starts in the folder of the file chosen; a chooser of the other kind, or one after
    // a cancelled chooser, still starts in the documents folder.
    void startsInTheDocumentsFolderThenInTheOneLastChosen_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("inChosenFolder");
        QTest::newRow("CSV, then chart") << "CSV" << false << "chart" << true;
        QTest::newRow("chart, then CSV") << "chart" << false << "CSV" << true;
        QTest::newRow("backtest file, then import file")
            << "backtest file" << false << "import file" << true;
        QTest::newRow("import file, then backtest file")
            << "import file" << false << "backtest file" << true;
        QTest::newRow("saved, then opening") << "CSV" << false << "import file" << false;
        QTest::newRow("opened, then saving") << "import file" << false << "chart" << false;
        QTest::newRow("save cancelled") << "chart" << true << "chart" << false;
        QTest::newRow("open cancelled") << "backtest file" << true << "backtest file" << false;
    }
    void startsInTheDocumentsFolderThenInTheOneLastChosen() {
        QFETCH(QString, first);
        QFETCH(bool, cancelled);
        QFETCH(QString, second);
        QFETCH(bool, inChosenFolder);
        test::TestBench bench;
        bench.writeDataFiles(test::golden(kHistoryFile), test::golden(kCandidateFile), "120\r\n");
        const QTemporaryDir chosen;
        QVERIFY(chosen.isValid());
        const QString documents = documentsFolder();
        const OpenWindow window(bench);

        if (cancelled) {
            bench.fileDialogs.cancelNext();
        } else if (saves(first)) {
            bench.fileDialogs.answerNext(QDir(chosen.path()).filePath("figures"));
        } else {
            const QString file = QDir(chosen.path()).filePath("past.csv");
            QFile past(file);
            QVERIFY(past.open(QIODevice::WriteOnly));
            past.write("result\n1234\n5678\n9012\n");
            past.close();
            bench.fileDialogs.answerNext(file);
        }
        window.open(first);
        bench.fileDialogs.cancelNext();
        window.open(second);

        QCOMPARE(bench.fileDialogs.startFolders(),
                 (QStringList{documents, inChosenFolder ? chosen.path() : documents}));
    }
};

QTEST_MAIN(TestFileDialogFolders)
#include "test_file_dialog_folders.moc"
