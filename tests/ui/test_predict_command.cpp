#include <QFile>
#include <QListWidget>
#include <QTest>

#include "data/file_names.h"
#include "support/test_data.h"
#include "support/window_session.h"

using namespace k4;
using test::golden;

namespace {

const QByteArray kOldReport = "an earlier report\r\n";

// The predictions of the fixed data set, as the report lists them.
const QStringList kGoldenPredictions = {"0395", "7945", "4569", "5549", "9352", "9335", "5935",
                                        "1952", "9511", "5890", "9531", "9507", "9852", "6955",
                                        "3795", "5394", "5299", "9522", "2579", "9159", "4495",
                                        "2595", "5197", "6395", "0965"};

QByteArray candidateLines(int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i) bytes += "0123\r\n";
    return bytes;
}

// The main window on the fixed data set, with an earlier report in the folder.
struct PredictWindow {
    PredictWindow() {
        bench.writeFile(kCandidateFile, golden(kCandidateFile));
        bench.writeFile(kHistoryFile, golden(kHistoryFile));
        bench.writeFile(kReportFile, kOldReport);
        session.setNextRound(QStringLiteral("57"));
    }
    void setListed(const QStringList& items) {
        test::WindowSession::predictionList(session.mainWindow())->addItems(items);
    }
    // The one message shown, if exactly one was.
    QString shownText() const {
        return bench.dialogs.shown().size() == 1 ? bench.dialogs.shown().first().text : QString();
    }

    test::TestBench bench;
    test::WindowSession session{bench, test::WindowSession::Start::WithoutLoad};
};

}  // namespace

class TestPredictCommand : public QObject {
    Q_OBJECT

private slots:
    void listsThePredictionsAndWritesTheReport() {
        PredictWindow window;
        window.session.predict();
        QCOMPARE(window.session.predictions(), kGoldenPredictions.first(10));  // "10" at start

        window.session.typeCount("25");
        window.session.predict();
        QCOMPARE(window.session.predictions(), kGoldenPredictions);
        QCOMPARE(window.bench.fileBytes(kReportFile), golden(kReportFile));
        window.session.predict();  // the same day and data give the same file
        QCOMPARE(window.bench.fileBytes(kReportFile), golden(kReportFile));
        QVERIFY(window.bench.dialogs.shown().isEmpty());
        QVERIFY(!window.bench.endedWith.has_value());
        QVERIFY(window.bench.launcher.started.isEmpty());  // TEXT表示 opens it, not 予想
    }

    void countThatIsNotANumberChangesNothing_data() {
        QTest::addColumn<QString>("count");
        QTest::newRow("empty") << "";
        QTest::newRow("letters") << "abc";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("number then letters") << "3x";
    }
    void countThatIsNotANumberChangesNothing() {
        QFETCH(QString, count);
        PredictWindow window;
        window.setListed({"1234"});
        window.session.typeCount(count);
        window.session.predict();
        QCOMPARE(window.shownText(), "表示件数には数値を入力してください。");
        QCOMPARE(window.session.predictions(), QStringList{"1234"});
        QCOMPARE(window.bench.fileBytes(kReportFile), kOldReport);
        QVERIFY(!window.bench.endedWith.has_value());
    }

    void roundOutOfRangeKeepsTheEarlierReport_data() {
        QTest::addColumn<QString>("roundText");
        QTest::newRow("past the largest") << "2147483648";
        QTest::newRow("100 back past the lowest") << "-2147483549";
    }
    void roundOutOfRangeKeepsTheEarlierReport() {
        QFETCH(QString, roundText);
        PredictWindow window;
        window.session.setNextRound(roundText);
        window.session.predict();
        QVERIFY(window.shownText().contains("範囲外"));
        QCOMPARE(window.session.predictions(), kGoldenPredictions.first(10));
        QCOMPARE(window.bench.fileBytes(kReportFile), kOldReport);
        QVERIFY(!window.bench.endedWith.has_value());
    }

    void fileFailuresEndTheProgram_data() {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<std::optional<QByteArray>>("candidates");
        QTest::addColumn<bool>("reportReadOnly");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("listed");
        QTest::newRow("no candidates") << kCandidateFile << std::optional<QByteArray>() << false
                                       << "ファイルが見つかりません: kri4key.dat" << 0;
        QTest::newRow("569 candidates")
            << QString() << std::optional<QByteArray>(candidateLines(569)) << false
            << "ファイルの終わりを越えて読み込もうとしました: kri4key.dat" << 0;
        QTest::newRow("no history") << kHistoryFile << std::optional<QByteArray>() << false
                                    << "ファイルが見つかりません: kri4.dat" << 0;
        QTest::newRow("read-only report") << QString() << std::optional<QByteArray>() << true
                                          << "ファイルに書き込めません: yosou4.txt" << 10;
    }
    void fileFailuresEndTheProgram() {
        QFETCH(QString, missing);
        QFETCH(std::optional<QByteArray>, candidates);
        QFETCH(bool, reportReadOnly);
        QFETCH(QString, message);
        QFETCH(int, listed);
        PredictWindow window;
        if (!missing.isEmpty()) QVERIFY(QFile::remove(window.bench.path(missing)));
        if (candidates) window.bench.writeFile(kCandidateFile, *candidates);
        if (reportReadOnly)
            QVERIFY(QFile::setPermissions(window.bench.path(kReportFile), QFile::ReadOwner));
        window.setListed({"1234"});
        window.session.predict();
        QCOMPARE(window.shownText(), message);
        QCOMPARE(window.bench.endedWith, 1);
        QCOMPARE(window.session.predictions(), kGoldenPredictions.first(listed));
        QCOMPARE(window.bench.fileBytes(kReportFile), kOldReport);
    }
};

QTEST_MAIN(TestPredictCommand)
#include "test_predict_command.moc"
