#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <cmath>

#include "analysis/backtest.h"
#include "chart/backtest_chart.h"
#include "data/box_match.h"
#include "data/data_files.h"
#include "data/file_names.h"
#include "data/lines.h"
#include "data/result_history.h"
#include "platform/file_system.h"
#include "support/folder_snapshot.h"
#include "support/past_results_files.h"
#include "support/random_draws.h"
#include "support/window_session.h"
#include "ui/main_window.h"
#include "ui/program_start.h"
#include "ui/screen_fit.h"
#include "ui/statistics/backtest_page.h"
#include "ui/statistics/chart_widget.h"
#include "ui/statistics/import_page.h"
#include "ui/statistics/statistics_window.h"

using namespace k4;

namespace {

// The fixed data set of tests/ui/statistics/golden: 300 results up to round 1500, line 57 not four
// digits, with the figures make_expected.py computed from them on its own.
const QStringList kDataFiles = {kHistoryFile, kCandidateFile, kCounterFile};

QByteArray goldenBytes(const QString& name) {
    QFile file(QStringLiteral(K4_STATS_GOLDEN_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly)) qFatal("no golden file %s", qPrintable(name));
    return file.readAll();
}

const QJsonObject& expected() {
    static const QJsonObject figures =
        QJsonDocument::fromJson(goldenBytes(QStringLiteral("expected.json"))).object();
    return figures;
}

void writeDataSet(const test::TestBench& bench) {
    for (const QString& name : kDataFiles) bench.writeFile(name, goldenBytes(name));
}

QList<QStringList> cells(const QTableWidget* table) {
    QList<QStringList> rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < table->columnCount(); ++column)
            texts << table->item(row, column)->text();
        rows << texts;
    }
    return rows;
}

// The first column of a two-column table mapped to the second.
QMap<QString, QString> labelled(const QTableWidget* table) {
    QMap<QString, QString> values;
    for (const QStringList& row : cells(table)) values.insert(row[0], row[1]);
    return values;
}

// The decimal fractions a text shows, in order ("0.93（95% 区間 0.36〜2.35）": 0.93, 0.36, 2.35).
QList<double> fractionsIn(const QString& text) {
    QList<double> numbers;
    static const QRegularExpression fraction(QStringLiteral("\\d+\\.\\d+"));
    for (const auto& match : fraction.globalMatch(text)) numbers << match.captured().toDouble();
    return numbers;
}

// The amount of a text of yen as a Japanese reader writes it ("-236,600 円"); -1 for a text
// written otherwise.
qint64 yenAmount(QString text) {
    static const QRegularExpression written(QStringLiteral("^-?\\d{1,3}(,\\d{3})* 円$"));
    if (!written.match(text).hasMatch()) return -1;
    return text.remove(u',').chopped(2).toLongLong();
}

// Whether a shown figure is `exact` rounded as it was shown ("< 0.0001" for tiny p-values).
bool shows(const QString& text, double exact) {
    if (text.startsWith(u'<')) return exact < text.mid(1).toDouble();
    const qsizetype point = text.indexOf(u'.');
    const int decimals = point < 0 ? 0 : int(text.size() - point - 1);
    return std::fabs(text.toDouble() - exact) <= 0.5 * std::pow(10, -decimals) + 1e-12;
}

// The statistics window on a test folder, shown, its backtest computed.
class OpenWindow {
public:
    explicit OpenWindow(test::TestBench& bench, int count = 10)
        : window_(new StatisticsWindow(bench.services, count,
                                       [this](const QString& next) { nextRounds << next; })) {
        QSignalSpy computed(page(), &BacktestPage::computed);
        window_->load();
        if (!computed.wait()) qWarning("the backtest was not computed");
    }
    ~OpenWindow() { delete window_; }

    StatisticsWindow* operator->() const { return window_; }
    BacktestPage* page() const { return window_->backtestPage(); }
    template <typename Widget>
    Widget* find(const char* name) const {
        return window_->findChild<Widget*>(name);
    }
    // Sets the backtest's N and waits for the figures.
    bool recomputeWith(int count) const {
        QSignalSpy computed(page(), &BacktestPage::computed);
        find<QSpinBox>("countBox")->setValue(count);
        return computed.wait();
    }

    QStringList nextRounds;  // told to the main window after imports

private:
    QPointer<StatisticsWindow> window_;
};

// A file of `count` past results in the folder, without round numbers, so that it can only
// replace a folder's results.
QString pastFile(const test::TestBench& bench, int count, const QByteArray& odd = {}) {
    QByteArray bytes = "result\n";
    for (int round = 1; round <= count; ++round)
        bytes +=
            (round == 3 && !odd.isEmpty()
                 ? odd
                 : QString("%1").arg((1000 + 7 * round) % 10000, 4, 10, QChar(u'0')).toLatin1()) +
            '\n';
    bench.writeFile(QStringLiteral("past.csv"), bytes);
    return bench.path(QStringLiteral("past.csv"));
}

// Opens the window's file chooser behind `control` as the user does: a save button of the
// backtest page, its history box's file entry, or the import page's file button.
void openChooser(const OpenWindow& window, const QString& control) {
    if (control == "sourceBox") {
        window->showPage(StatisticsWindow::Page::Backtest);
        auto* box = window.find<QComboBox>("sourceBox");
        box->setCurrentIndex(1);
        emit box->activated(1);
        return;
    }
    window->showPage(control == "chooseFileButton" ? StatisticsWindow::Page::Import
                                                   : StatisticsWindow::Page::Backtest);
    QTest::mouseClick(window.find<QPushButton>(qPrintable(control)), Qt::LeftButton);
}

// Whether the import that 取り込む started has ended, written, refused, declined or cancelled,
// as its status line tells, within 20 seconds.
bool importEnds(const OpenWindow& window) {
    const auto* status = window.find<QLabel>("importStatus");
    return QTest::qWaitFor(
        [&] { return !status->text().isEmpty() && !status->text().startsWith("取り込んでいます"); },
        20000);
}

bool importWith(const OpenWindow& window) {
    QTest::mouseClick(window.find<QPushButton>("importButton"), Qt::LeftButton);
    return importEnds(window);
}

}  // namespace

class TestStatisticsWindow : public QObject {
    Q_OBJECT

private slots:
    void backtestPageShowsTheFiguresOfTheReplay_data() {
        QTest::addColumn<int>("count");
        QTest::newRow("N = 10") << 10;
        QTest::newRow("N = 5") << 5;
    }
    void backtestPageShowsTheFiguresOfTheReplay() {
        QFETCH(int, count);
        test::TestBench bench;
        writeDataSet(bench);
        OpenWindow window(bench);
        if (count != 10) QVERIFY(window.recomputeWith(count));
        const QJsonObject figures = expected()[QStringLiteral("backtest%1").arg(count)].toObject();
        const auto number = [&](const char* key) { return figures[key].toDouble(); };

        const QMap<QString, QString> table = labelled(window.find<QTableWidget>("figureTable"));
        QCOMPARE(table["対象"], QStringLiteral("第 %1 回〜第 %2 回（%3 回）、1 回あたりの予想数 %4")
                                    .arg(figures["first"].toInt())
                                    .arg(figures["last"].toInt())
                                    .arg(figures["rounds"].toInt())
                                    .arg(count));
        QCOMPARE(table["うち予想が空だった回"].toInt(), figures["empty"].toInt());
        QCOMPARE(table["的中数"].toInt(), figures["hits"].toInt());
        QVERIFY(shows(table["偶然による的中数の期待値"], number("expected")));
        const QList<double> ratio = fractionsIn(table["的中数 ÷ 期待値"]);
        QCOMPARE(ratio.size(), 3);
        QVERIFY(shows(QString::number(ratio[0], 'f', 2), number("ratio")));
        QVERIFY(shows(QString::number(ratio[1], 'f', 2), number("ratioLow")));
        QVERIFY(shows(QString::number(ratio[2], 'f', 2), number("ratioHigh")));
        const QList<double> rate = fractionsIn(table["的中率"]);
        QCOMPARE(rate.size(), 3);
        QVERIFY(std::fabs(rate[1] - 100 * number("rateLow")) <= 0.005 + 1e-9);
        QVERIFY(std::fabs(rate[2] - 100 * number("rateHigh")) <= 0.005 + 1e-9);
        QVERIFY(std::fabs(fractionsIn(table["p 値（片側）"]).value(0) - number("pValue")) < 5e-4);

        const QMap<QString, QString> money = labelled(window.find<QTableWidget>("moneyTable"));
        const auto amount = [&](const char* label) { return yenAmount(money[label]); };
        QCOMPARE(QString(money["購入口数（ゾロ目を除く）"]).remove(u',').toLongLong(),
                 figures["tickets"].toInteger());
        QCOMPARE(amount("購入金額（1 口 200 円）"), figures["cost"].toInteger());
        QCOMPARE(amount("払戻金（理論上の賞金）"), figures["return"].toInteger());
        QCOMPARE(amount("収支"), figures["balance"].toInteger());
        QVERIFY(std::fabs(fractionsIn(money["回収率"]).value(0) - 100 * number("returnRate")) <=
                0.005 + 1e-9);
        QVERIFY(money["回収率"].contains(QStringLiteral("偶然なら 45%")));
        QVERIFY(window.find<QLabel>("prizeNote")->text().contains(QStringLiteral("理論上")));

        QCOMPARE(figures["verdict"].toString(), QStringLiteral("inside"));
        QVERIFY(window.find<QLabel>("conclusion")->text().contains("偶然と区別できません"));
        QVERIFY(window.find<QLabel>("notes")->text().contains(
            QStringLiteral("%1 行目「12a4」").arg(expected()["oddLine"].toInt())));
    }

    // Beside the money at the theoretical prizes, the money at the real ones where the prize
    // file knows them: here a box prize of 40,000 yen for every round of the data set, so that
    // the same tickets cost the same and each hit returns 40,000. A prize file that does not
    // read is noted, and no real-prize block is shown.
    void backtestPageShowsTheMoneyAtTheRealPrizes_data() {
        QTest::addColumn<bool>("readable");
        QTest::newRow("a prize file") << true;
        QTest::newRow("a prize file that does not read") << false;
    }
    void backtestPageShowsTheMoneyAtTheRealPrizes() {
        QFETCH(bool, readable);
        test::TestBench bench;
        writeDataSet(bench);
        const QStringList history = DataFiles::linesIn(goldenBytes(kHistoryFile));
        QStringList prizes = {
            QStringLiteral("回号,当せん番号,ストレート,ボックス,セットストレート,セットボックス")};
        for (qsizetype line = history.size() - 1; line >= 0; --line)
            if (isBoxTicket(history[line]))
                prizes << QStringLiteral("%1,%2,,40000,,")
                              .arg(1500 - line)
                              .arg(readable ? history[line] : QStringLiteral("12a4"));
        bench.writeFile(kPrizeFile, writeLines(prizes));
        OpenWindow window(bench);
        const QJsonObject figures = expected()[QStringLiteral("backtest10")].toObject();

        const auto* table = window.find<QTableWidget>("realPrizeTable");
        QCOMPARE(table->isVisibleTo(window.page()), readable);
        if (!readable) {
            QVERIFY(window.find<QLabel>("notes")->text().contains(
                QStringLiteral("haitou4.csv の 2 行目")));
            return;
        }
        const QMap<QString, QString> money = labelled(table);
        QCOMPARE(yenAmount(money["購入金額（1 口 200 円）"]), figures["cost"].toInteger());
        QCOMPARE(yenAmount(money["払戻金（実際の賞金）"]), 40'000 * figures["hits"].toInteger());
        QVERIFY2(window.find<QLabel>("realPrizeHeading")->text().startsWith("実際の賞金"),
                 qPrintable(window.find<QLabel>("realPrizeHeading")->text()));
    }

    void chartShowsTheCumulativeHitsAndBalanceAgainstChance() {
        test::TestBench bench;
        writeDataSet(bench);
        OpenWindow window(bench);
        const DataFilesState state = DataFiles(bench.files).readState();
        const std::optional<Backtest> backtest =
            runBacktest(historyRounds(DataFiles::historyIn(state).lines(),
                                      std::int32_t(DataFiles::counterIn(state))),
                        BacktestOptions{10, std::nullopt});
        QVERIFY(backtest);
        const ChartSeries series = chartSeries(backtest->rounds);
        const QJsonObject chart = expected()["backtest10"]["chart"].toObject();
        const auto points = [&](const char* key) { return chart[key].toArray(); };
        QCOMPARE(qsizetype(series.rounds.size()), points("rounds").size());
        for (std::size_t i = 0; i < series.rounds.size(); ++i) {
            const qsizetype at = qsizetype(i);
            QCOMPARE(series.rounds[i], qint64(points("rounds")[at].toInt()));
            QCOMPARE(series.hits[i], points("hits")[at].toDouble());
            QVERIFY(std::fabs(series.expected[i] - points("expected")[at].toDouble()) < 1e-9);
            QVERIFY(std::fabs(series.low[i] - points("low")[at].toDouble()) < 1e-9);
            QVERIFY(std::fabs(series.high[i] - points("high")[at].toDouble()) < 1e-9);
            QCOMPARE(series.balance[i], points("balance")[at].toDouble());
            QVERIFY(std::fabs(series.chanceBalance[i] - points("chanceBalance")[at].toDouble()) <
                    1e-6);
        }

        // The window paints exactly that series.
        auto* widget = window.find<ChartWidget>("chart");
        QImage painted(widget->size(), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&painted);
        painter.setFont(widget->font());
        paintBacktestChart(painter, painted.rect(), series, Language::Japanese);
        painter.end();
        QCOMPARE(widget->grab().toImage().convertToFormat(painted.format()), painted);
    }

    // A change of N while a computation runs cancels it; only the newest figures arrive.
    void aNewerRequestCancelsTheOlderOne() {
        test::TestBench bench;
        writeDataSet(bench);
        OpenWindow window(bench);
        QSignalSpy computed(window.page(), &BacktestPage::computed);
        auto* countBox = window.find<QSpinBox>("countBox");
        countBox->setValue(20);
        QVERIFY(window.find<QWidget>("busyIndicator")->isVisible());
        countBox->setValue(5);
        QVERIFY(computed.wait());
        QTest::qWait(50);
        QCOMPARE(computed.size(), 1);
        QVERIFY(!window.find<QWidget>("busyIndicator")->isVisible());
        QVERIFY(labelled(window.find<QTableWidget>("figureTable"))["対象"].endsWith(" 5"));
    }

    void savesTheShownFigures_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("file");     // in the test folder
        QTest::addColumn<int>("written");      // CSV lines, or the picture's width; 0: refused
        QTest::addColumn<int>("failingStep");  // of writing the file; 0: none
        QTest::newRow("CSV") << "saveCsvButton"
                             << "rounds.csv" << 1 + 299 << 0;
        QTest::newRow("picture") << "saveChartButton"
                                 << "chart.png" << 800 << 0;
        QTest::newRow("folder missing") << "saveCsvButton"
                                        << "missing/rounds.csv" << 0 << 0;
        QTest::newRow("CSV, the disk failing at the sync") << "saveCsvButton"
                                                           << "rounds.csv" << 0 << 3;
        QTest::newRow("picture, the disk failing at the rename") << "saveChartButton"
                                                                 << "chart.png" << 0 << 5;
    }
    // A save that fails keeps the file that was there, and leaves nothing else behind.
    void savesTheShownFigures() {
        QFETCH(QString, button);
        QFETCH(QString, file);
        QFETCH(int, written);
        QFETCH(int, failingStep);
        test::TestBench bench;
        writeDataSet(bench);
        if (failingStep > 0) bench.writeFile(file, "an earlier file\r\n");
        const test::FolderContents before = test::folderContents(bench);
        OpenWindow window(bench);
        bench.fileDialogs.answerNext(bench.path(file));
        bench.faults.arm(failingStep);
        QTest::mouseClick(window.find<QPushButton>(qPrintable(button)), Qt::LeftButton);
        QCOMPARE(bench.faults.fired(), failingStep > 0);
        if (written == 0) {
            QCOMPARE(bench.dialogs.shown().size(), 1);
            QCOMPARE(bench.dialogs.shown()[0].title, QStringLiteral("保存できません"));
            QCOMPARE(test::folderContents(bench), before);
        } else if (file.endsWith(".csv")) {
            QCOMPARE(bench.fileBytes(file)->count("\r\n"), written);
        } else {
            QCOMPARE(QImage(bench.path(file)).width(), written);
        }
    }

    void backtestRefusesACounterBelowTheResults() {
        test::TestBench bench;
        writeDataSet(bench);
        bench.writeFile(kCounterFile, "abc\r\n");
        StatisticsWindow window(bench.services, 10, [](const QString&) {});
        window.load();
        QVERIFY(window.findChild<QLabel*>("conclusion")->text().contains("kaisuu4.txt の回数 0"));
        QCOMPARE(window.findChild<QTableWidget*>("figureTable")->rowCount(), 0);
        QVERIFY(!window.findChild<QPushButton*>("saveCsvButton")->isEnabled());
    }

    void digitPageCountsAndTestsEachPlace_data() {
        QTest::addColumn<int>("scope");
        QTest::addColumn<QString>("key");
        QTest::newRow("newest 100") << 0 << "digits100";
        QTest::newRow("all") << 2 << "digitsAll";
    }
    void digitPageCountsAndTestsEachPlace() {
        QFETCH(int, scope);
        QFETCH(QString, key);
        test::TestBench bench;
        writeDataSet(bench);
        OpenWindow window(bench);
        window.find<QComboBox>("scopeBox")->setCurrentIndex(scope);
        const QJsonObject figures = expected()[key].toObject();

        auto* heatMap = window.find<QTableWidget>("heatMap");
        const QList<QStringList> rows = cells(heatMap);
        QCOMPARE(rows.size(), 13);
        int most = 0;
        for (int place = 0; place < 4; ++place) {
            const QJsonArray counts = figures["counts"][place].toArray();
            for (int digit = 0; digit < 10; ++digit) {
                QCOMPARE(rows[digit][place + 1].toInt(), counts[digit].toInt());
                most = std::max(most, counts[digit].toInt());
            }
            QVERIFY(shows(rows[10][place + 1], figures["statistics"][place].toDouble()));
            QVERIFY(shows(rows[11][place + 1], figures["pValues"][place].toDouble()));
            QVERIFY(shows(rows[12][place + 1], figures["holm"][place].toDouble()));
        }
        // Shaded by count: the most frequent digit has the hottest cell.
        for (int digit = 0; digit < 10; ++digit)
            if (rows[digit][1].toInt() == most)
                QCOMPARE(heatMap->item(digit, 1)->background().color(), QColor(240, 120, 40));
        QVERIFY(window.find<QLabel>("verdict")->text().contains("偶然と区別できません"));

        for (const auto& [table, list] :
             {std::pair{"mostDrawn", "most"}, {"leastDrawn", "least"}}) {
            const QList<QStringList> shown = cells(window.find<QTableWidget>(table));
            const QJsonArray wanted = figures[list].toArray();
            QCOMPARE(shown.size(), wanted.size());
            for (int i = 0; i < shown.size(); ++i) {
                QCOMPARE(shown[i][0], wanted[i][0].toString());
                QCOMPARE(shown[i][1].toInt(), wanted[i][1].toInt());
                QVERIFY(shows(shown[i][2], wanted[i][2].toDouble()));
            }
        }
        QVERIFY(window.find<QLabel>("neverDrawn")
                    ->text()
                    .contains(QStringLiteral("%1 通り").arg(figures["neverDrawn"].toInt())));

        const QList<QStringList> waiting = cells(window.find<QTableWidget>("longestWaiting"));
        const QJsonArray wanted = expected()["waiting"].toArray();
        QCOMPARE(waiting.size(), wanted.size());
        for (int i = 0; i < waiting.size(); ++i) {
            QCOMPARE(waiting[i][0].toInt(), wanted[i][0].toInt());
            QCOMPARE(waiting[i][1], wanted[i][1].toString());
            QCOMPARE(waiting[i][2], wanted[i][2].isNull()
                                        ? QStringLiteral("300 回以上")
                                        : QStringLiteral("%1 回").arg(wanted[i][2].toInt()));
        }
    }

    void lookupPageShowsANumbersRecord_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("number");
        for (const QString& number : expected()["records"].toObject().keys())
            QTest::newRow(qPrintable(number)) << number << number;
        QTest::newRow("full width, spaced") << QStringLiteral(" １２６７　") << "1267";
    }
    void lookupPageShowsANumbersRecord() {
        QFETCH(QString, typed);
        QFETCH(QString, number);
        test::TestBench bench;
        writeDataSet(bench);
        OpenWindow window(bench);
        window.find<QLineEdit>("numberBox")->setText(typed);
        QTest::mouseClick(window.find<QPushButton>("lookUpButton"), Qt::LeftButton);
        const QJsonObject record = expected()["records"][number].toObject();

        QStringList wanted = {QStringLiteral("%1 回").arg(record["straight"].toInt()),
                              QStringLiteral("%1 回").arg(record["box"].toInt())};
        for (const QJsonValue draw : record["last"].toArray())
            wanted << QStringLiteral("第 %1 回 (%2)").arg(draw[0].toInt()).arg(draw[1].toString());
        if (record["last"].toArray().isEmpty()) wanted << QStringLiteral("ありません");
        wanted << (record["slot"].isNull()
                       ? QStringLiteral(
                             "ありません (候補表は三種類以上の数字からなる 570 通りです)")
                       : QStringLiteral("kri4key.dat の %1 番目").arg(record["slot"].toInt()));
        const QStringList shown = [&] {
            QStringList values;
            for (const QStringList& row : cells(window.find<QTableWidget>("recordTable")))
                values << row[1];
            return values;
        }();
        QCOMPARE(shown.mid(0, wanted.size()), wanted);
        QCOMPARE(shown.value(wanted.size()).startsWith("なり得ます"),
                 record["predictable"].toBool());
        // Four equal digits have one arrangement and are not sold as a box.
        const int arrangements = record["arrangements"].toInt();
        QVERIFY(shown.value(wanted.size() + 1)
                    .startsWith(arrangements > 1
                                    ? QStringLiteral("%1 / 10000").arg(arrangements)
                                    : QStringLiteral("ありません (四つとも同じ数字のゾロ目は、"
                                                     "ボックスでは買えません)")));
        QVERIFY(bench.dialogs.shown().isEmpty());
    }

    // A record stays only while the box holds its number: 1234 looked up, then 12345 typed.
    void lookupPageRefusesWhatIsNotFourDigits() {
        test::TestBench bench;
        writeDataSet(bench);
        OpenWindow window(bench);
        auto* numberBox = window.find<QLineEdit>("numberBox");
        QTest::keyClicks(numberBox, "1234");
        QTest::keyClick(numberBox, Qt::Key_Return);
        QVERIFY(window.find<QTableWidget>("recordTable")->rowCount() > 0);
        QTest::keyClicks(numberBox, "5");
        QTest::keyClick(numberBox, Qt::Key_Return);
        QCOMPARE(bench.dialogs.shown().size(), 1);
        QCOMPARE(bench.dialogs.shown()[0].text, QStringLiteral("四桁の数字を入力してください。"));
        QCOMPARE(window.find<QTableWidget>("recordTable")->rowCount(), 0);
        QCOMPARE(window.find<QLabel>("recordTitle")->text(), QString());
    }

    // Tab goes from a table to the next control; Ctrl+Tab and Ctrl+Shift+Tab turn the pages
    // from anywhere, a table included.
    void tabLeavesATableAndCtrlTabTurnsPages() {
        test::TestBench bench;
        writeDataSet(bench);
        OpenWindow window(bench);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.operator->()));
        auto* table = window.find<QTableWidget>("figureTable");
        auto* tabs = window.find<QTabWidget>("statisticsTabs");
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Tab);
        QVERIFY(!table->hasFocus());
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(tabs->currentIndex(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(tabs->currentIndex(), tabs->count() - 1);
    }

    // The first file chooser starts in the documents folder. The next one of its kind (saving or
    // opening) starts in the folder of the file chosen; a chooser of the other kind, or one after
    // a cancelled chooser, still starts in the documents folder.
    void choosersStartInTheDocumentsFolderThenInTheOneLastChosen_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("inChosenFolder");
        QTest::newRow("CSV, then chart") << "saveCsvButton" << false << "saveChartButton" << true;
        QTest::newRow("chart, then CSV") << "saveChartButton" << false << "saveCsvButton" << true;
        QTest::newRow("backtest file, then import file")
            << "sourceBox" << false << "chooseFileButton" << true;
        QTest::newRow("import file, then backtest file")
            << "chooseFileButton" << false << "sourceBox" << true;
        QTest::newRow("saved, then opening")
            << "saveCsvButton" << false << "chooseFileButton" << false;
        QTest::newRow("opened, then saving")
            << "chooseFileButton" << false << "saveChartButton" << false;
        QTest::newRow("save cancelled") << "saveChartButton" << true << "saveChartButton" << false;
        QTest::newRow("open cancelled") << "sourceBox" << true << "sourceBox" << false;
    }
    void choosersStartInTheDocumentsFolderThenInTheOneLastChosen() {
        QFETCH(QString, first);
        QFETCH(bool, cancelled);
        QFETCH(QString, second);
        QFETCH(bool, inChosenFolder);
        test::TestBench bench;
        writeDataSet(bench);
        const OpenWindow window(bench);

        if (cancelled)
            bench.fileDialogs.cancelNext();
        else if (first.startsWith("save"))
            bench.fileDialogs.answerNext(bench.path("figures"));
        else
            bench.fileDialogs.answerNext(pastFile(bench, 3));
        openChooser(window, first);
        bench.fileDialogs.cancelNext();
        openChooser(window, second);

        const QString documents = documentsFolder();
        QCOMPARE(bench.fileDialogs.startFolders(),
                 (QStringList{documents, inChosenFolder ? bench.folder.path() : documents}));
    }

    // On a large screen the window opens at the size it would like; on a small one (or at a
    // large scale) no larger than the screen's free area, room left for the frame.
    void opensAtTheSizeTheScreenHasRoomFor_data() {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<bool>("roomy");
        QTest::newRow("1920 x 1080") << QRect(0, 0, 1920, 1040) << true;
        QTest::newRow("1280 x 1024 at 2x") << QRect(640, 0, 640, 488) << false;
    }
    void opensAtTheSizeTheScreenHasRoomFor() {
        QFETCH(QRect, available);
        QFETCH(bool, roomy);
        const QSize wanted(1040, 760);
        const QSize size = sizeWithin(wanted, available);
        QVERIFY(size.width() < available.width() && size.height() < available.height());
        if (roomy) QCOMPARE(size, wanted);
    }

    // The window opens within the screen (the offscreen screen, 800 x 600, is smaller than the
    // size it would like), and its minimum size fits too. At that minimum each page scrolls,
    // keeping the size it needs, and shows each control whole. Where the screen has room, the
    // backtest's conclusion stands on one line.
    void windowFitsTheScreenAndCutsNothing() {
        test::TestBench bench;
        writeDataSet(bench);
        OpenWindow window(bench);
        const QSize available = window->screen()->availableGeometry().size();
        QVERIFY(window->width() <= available.width() && window->height() <= available.height());
        const QSize smallest = window->minimumSize().expandedTo(window->minimumSizeHint());
        QCOMPARE(smallest.boundedTo(available), smallest);
#ifndef Q_OS_WIN
        // The opening width is chosen for the Gothic faces of Linux; wine's faces are wider.
        window->resize(1040, 760);
        QApplication::processEvents();  // the figures table fits its new rows
        const auto* conclusion = window.find<QLabel>("conclusion");
        QVERIFY2(conclusion->height() < 2 * conclusion->fontMetrics().lineSpacing(),
                 qPrintable(conclusion->text()));
#endif
        window->resize(1, 1);
        QCOMPARE(window->size(), window->minimumSize());
        auto* tabs = window.find<QTabWidget>("statisticsTabs");
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QApplication::processEvents();
            const QWidget* content = qobject_cast<QScrollArea*>(tabs->currentWidget())->widget();
            QVERIFY(content->width() >= content->minimumSizeHint().width());
            QVERIFY(content->height() >= content->minimumSizeHint().height());
            for (QWidget* control : content->findChildren<QWidget*>()) {
                const bool whole = qobject_cast<QAbstractButton*>(control) ||
                                   qobject_cast<QAbstractSpinBox*>(control) ||
                                   qobject_cast<QComboBox*>(control);
                if (!control->isVisible() || !whole) continue;
                QVERIFY2(control->width() >= control->sizeHint().width(),
                         qPrintable(control->objectName()));
            }
        }
    }

    // A history with no result of four digits has nothing to count: the pages say so and show
    // no figure made of nothing.
    void pagesOfAHistoryWithoutResults_data() {
        QTest::addColumn<QByteArray>("history");
        QTest::addColumn<QString>("conclusion");
        QTest::newRow("empty") << QByteArray() << "kri4.dat に結果がないため";
        QTest::newRow("no four digits")
            << QByteArray("12a4\r\n") << "kri4.dat に四桁の数字の結果がないため";
    }
    void pagesOfAHistoryWithoutResults() {
        QFETCH(QByteArray, history);
        QFETCH(QString, conclusion);
        test::TestBench bench;
        writeDataSet(bench);
        bench.writeFile(kHistoryFile, history);
        StatisticsWindow window(bench.services, 10, [](const QString&) {});
        window.load();
        QVERIFY2(window.findChild<QLabel*>("conclusion")->text().contains(conclusion),
                 qPrintable(window.findChild<QLabel*>("conclusion")->text()));
        QCOMPARE(window.findChild<QTableWidget*>("figureTable")->rowCount(), 0);
        QVERIFY(
            window.findChild<QLabel*>("verdict")->text().startsWith("数える結果がまだありません"));
        for (const char* table : {"heatMap", "mostDrawn", "leastDrawn"})
            QCOMPARE(window.findChild<QTableWidget*>(table)->rowCount(), 0);
        QCOMPARE(window.findChild<QLabel*>("neverDrawn")->text(), QString());
    }

    // Replacing the results of a folder asks first, naming how many; Yes keeps a dated copy of
    // the old files and writes the import, No writes nothing.
    void importReplacesResultsOnlyWhenAgreed_data() {
        QTest::addColumn<bool>("agree");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void importReplacesResultsOnlyWhenAgreed() {
        QFETCH(bool, agree);
        test::TestBench bench;
        writeDataSet(bench);
        bench.fileDialogs.answerNext(pastFile(bench, 20));
        const test::FolderContents before = test::folderContents(bench);
        OpenWindow window(bench);
        window->showPage(StatisticsWindow::Page::Import);
        QTest::mouseClick(window.find<QPushButton>("chooseFileButton"), Qt::LeftButton);
        const QList<QStringList> preview = cells(window.find<QTableWidget>("previewTable"));
        QCOMPARE(preview.size(), 10);
        QCOMPARE(preview[0][2], QStringLiteral("見出し (読み飛ばします)"));
        QCOMPARE(preview[1], (QStringList{"2", "1007", "1007"}));

        bench.dialogs.answerNext(agree ? Answer::Yes : Answer::No);
        QSignalSpy computed(window.page(), &BacktestPage::computed);
        QVERIFY(importWith(window));
        QCOMPARE(bench.dialogs.shown().size(), 1);
        QVERIFY(
            bench.dialogs.shown()[0].text.contains("このフォルダーの 300 件の結果を、取り込む 20 "
                                                   "件の結果 (第 1 回〜第 20 回) で置き換え"));
        const QDir backup(bench.path(QStringLiteral("backup-2026-12-07")));
        if (!agree) {
            QCOMPARE(test::folderContents(bench), before);
            QVERIFY(!backup.exists());
            QVERIFY(window.nextRounds.isEmpty());
            return;
        }
        QCOMPARE(bench.fileBytes(kCounterFile), QByteArray("20\r\n"));
        QCOMPARE(bench.fileBytes(kHistoryFile)->count('\n'), 20);
        QCOMPARE(backup.entryList(QDir::Files),
                 (QStringList{kCounterFile, kHistoryFile, kCandidateFile}));
        for (const QString& name : kDataFiles) {
            QFile copy(backup.filePath(name));
            QVERIFY(copy.open(QIODevice::ReadOnly));
            QCOMPARE(copy.readAll(), before[name]);
        }
        QCOMPARE(window.nextRounds, QStringList{"21"});
        // The other pages show the imported results at once.
        QVERIFY(!computed.isEmpty() || computed.wait());
        QVERIFY(labelled(window.find<QTableWidget>("figureTable"))["対象"].startsWith(
            "第 1 回〜第 20 回"));
    }

    void cancelledOrBadImportWritesNothing_data() {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<bool>("picture");  // a picture chosen instead of a file of results
        QTest::newRow("cancelled") << true << false;
        QTest::newRow("bad line") << false << false;
        QTest::newRow("not a text file") << false << true;
    }
    void cancelledOrBadImportWritesNothing() {
        QFETCH(bool, cancel);
        QFETCH(bool, picture);
        test::TestBench bench;
        writeDataSet(bench);
        if (picture) {
            QImage image(40, 30, QImage::Format_RGB32);
            image.fill(Qt::darkCyan);
            QPainter(&image).drawEllipse(5, 5, 20, 15);
            image.save(bench.path(QStringLiteral("photo.png")));
            bench.fileDialogs.answerNext(bench.path(QStringLiteral("photo.png")));
        } else {
            bench.fileDialogs.answerNext(cancel ? pastFile(bench, 30000)
                                                : pastFile(bench, 20, "12a4"));
        }
        if (cancel) bench.dialogs.answerNext(Answer::Yes);
        const test::FolderContents before = test::folderContents(bench);
        OpenWindow window(bench);
        QTest::mouseClick(window.find<QPushButton>("chooseFileButton"), Qt::LeftButton);
        QTest::mouseClick(window.find<QPushButton>("importButton"), Qt::LeftButton);
        if (cancel)
            QTest::mouseClick(
                window.find<QProgressDialog>("importProgress")->findChild<QPushButton*>(),
                Qt::LeftButton);
        QVERIFY(importEnds(window));

        const QString status = window.find<QLabel>("importStatus")->text();
        QVERIFY2(status.contains("何も書き込んでいません。"), qPrintable(status));
        if (cancel) {
            QCOMPARE(bench.dialogs.shown().size(), 1);  // the question to replace
        } else if (picture) {
            // Said at once, with no rows of garbage shown.
            const QString notText = QStringLiteral("テキストのファイルではありません。");
            QCOMPARE(bench.dialogs.shown().size(), 1);
            QVERIFY(bench.dialogs.shown()[0].text.startsWith(notText));
            QVERIFY(window.find<QLabel>("readingSummary")->text().startsWith(notText));
            QCOMPARE(window.find<QTableWidget>("previewTable")->rowCount(), 0);
        } else {
            QCOMPARE(bench.dialogs.shown().size(), 1);
            QVERIFY(bench.dialogs.shown()[0].text.startsWith("4 行目: "));
        }
        QCOMPARE(test::folderContents(bench), before);
        QVERIFY(QDir(bench.path({})).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
        QVERIFY(window.nextRounds.isEmpty());
    }

    // A table copied from a results page (tabs, Japanese dates, newest first) pasted with Ctrl+V
    // reads as what it is and, agreed to, adds the rounds after the folder's newest.
    void pastedTableAddsTheNewerRounds() {
        test::TestBench bench;
        writeDataSet(bench);
        const QStringList held = readLines(goldenBytes(kHistoryFile));  // newest first, round 1500
        QStringList draws(held.crend() - 10, held.crend());  // rounds 1491 to 1500, as held
        const QStringList added = test::randomDraws(12, 4);
        draws += added;
        QApplication::clipboard()->setText(test::copiedResultsTable(draws, 1491));
        OpenWindow window(bench);
        window->showPage(StatisticsWindow::Page::Import);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.operator->()));
        auto* previewTable = window.find<QTableWidget>("previewTable");
        previewTable->setFocus();
        QTest::keyClick(previewTable, Qt::Key_V, Qt::ControlModifier);

        QCOMPARE(window.find<QLabel>("readingSummary")->text(),
                 QStringLiteral("回号は 1 列目、結果は 3 列目。第1491回〜第1512回、22 件、"
                                "新しい順のファイル"));
        const QList<QStringList> preview = cells(window.find<QTableWidget>("previewTable"));
        QVERIFY2(preview[0][1].startsWith(QStringLiteral("第1512回 │ ")),
                 qPrintable(preview[0][1]));
        QCOMPARE(preview[0][2], QStringLiteral("第 1512 回 ") + added.last());

        bench.dialogs.answerNext(Answer::Yes);
        QVERIFY(importWith(window));
        QVERIFY2(bench.dialogs.shown()[0].text.startsWith(
                     "第 1501 回から 12 件の結果 (第 1501 回〜第 1512 回) をこのフォルダーに追加"),
                 qPrintable(bench.dialogs.shown()[0].text));
        QCOMPARE(*bench.fileBytes(kCounterFile), QByteArray("1512\r\n"));
        QStringList newestFirst(added.crbegin(), added.crend());
        QCOMPARE(readLines(*bench.fileBytes(kHistoryFile)).mid(0, 12 + held.size()),
                 newestFirst + held);
        QCOMPARE(window.nextRounds, QStringList{"1513"});
        // Nothing is replaced, so no copy of the old files is made.
        QVERIFY(QDir(bench.path({})).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
    }

    // A file dropped on the main window opens the import page with it read.
    void aFileDroppedOnTheMainWindowIsOfferedForImport() {
        test::TestBench bench;
        writeDataSet(bench);
        const QString file = pastFile(bench, 20);
        test::WindowSession session(bench);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        const QPoint at(20, 20);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&session.mainWindow(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&session.mainWindow(), &drop);

        QCOMPARE(test::openWindows<StatisticsWindow>().size(), 1);
        StatisticsWindow* window = test::openWindows<StatisticsWindow>()[0];
        const auto* tabs = window->findChild<QTabWidget*>();
        QCOMPARE(tabs->tabText(tabs->currentIndex()), "取り込み");
        QCOMPARE(window->findChild<QLabel*>("fileLabel")->text(), QDir::toNativeSeparators(file));
        QCOMPARE(window->findChild<QLabel*>("readingSummary")->text(),
                 QStringLiteral("回号なし、結果は 1 列目「result」。20 件、古い順として読みました\n"
                                "1 行目「result」は見出しとして読み飛ばしました。"));
    }

    // The main window's context menu opens the window, on the page asked for; asking again
    // raises the same window, and a registration refreshes it.
    void contextMenuOpensOneWindowThatFollowsTheData() {
        test::TestBench bench;
        writeDataSet(bench);
        test::WindowSession session(bench);
        session.typeCount("20");
        const auto choose = [&](int item) {
            QWidget* list = test::WindowSession::predictionList(session.mainWindow());
            const QPoint at(10, 10);
            QContextMenuEvent request(QContextMenuEvent::Keyboard, at, list->mapToGlobal(at));
            QApplication::sendEvent(list, &request);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QStringList texts;
            for (QAction* action : menu->actions()) texts << action->text();
            QCOMPARE(texts, (QStringList{"成績と統計(&S)…", "過去の結果を取り込む(&I)…"}));
            menu->actions()[item]->trigger();
            menu->close();
        };
        choose(0);
        QCOMPARE(test::openWindows<StatisticsWindow>().size(), 1);
        StatisticsWindow* window = test::openWindows<StatisticsWindow>()[0];
        QCOMPARE(window->findChild<QTabWidget*>()->currentIndex(), 0);
        QCOMPARE(window->findChild<QSpinBox*>("countBox")->value(), 20);
        choose(1);
        QCOMPARE(test::openWindows<StatisticsWindow>(), QList{window});
        const auto* tabs = window->findChild<QTabWidget*>();
        QCOMPARE(tabs->tabText(tabs->currentIndex()), "取り込み");

        QSignalSpy computed(window->backtestPage(), &BacktestPage::computed);
        session.registerResult("0419");
        QVERIFY(computed.wait());
        QVERIFY(labelled(window->findChild<QTableWidget*>("figureTable"))["対象"].startsWith(
            "第 1201 回〜第 1501 回"));
    }

    // --stats: the statistics window alone; closing it ends the program.
    void statsOptionOpensOnlyTheStatisticsWindow() {
        test::TestBench bench;
        writeDataSet(bench);
        ProgramWindows program(bench.services, {StartOptions::Windows::StatisticsOnly, {}});
        program.start();
        QVERIFY(test::openWindows<MainWindow>().isEmpty());
        QCOMPARE(test::openWindows<StatisticsWindow>().size(), 1);
        StatisticsWindow* window = test::openWindows<StatisticsWindow>()[0];
        QVERIFY(!bench.endedWith);
        window->close();
        QCOMPARE(bench.endedWith, 0);
    }
};

QTEST_MAIN(TestStatisticsWindow)
#include "test_statistics_window.moc"
