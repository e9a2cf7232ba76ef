#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "data/code_page.h"
#include "data/file_names.h"
#include "support/window_session.h"
#include "ui/statistics/prize_entry_dialog.h"
#include "ui/statistics/statistics_window.h"

using namespace k4;

namespace {

// The data set of tests/ui/statistics/golden: 300 results up to round 1500, whose newest is 6384.
void writeDataSet(const test::TestBench& bench) {
    for (const QString& name : {kHistoryFile, kCandidateFile, kCounterFile}) {
        QFile file(QStringLiteral(K4_STATS_GOLDEN_DIR "/") + name);
        if (!file.open(QIODevice::ReadOnly)) qFatal("no golden file %s", qPrintable(name));
        bench.writeFile(name, file.readAll());
    }
}

// A data file's lines, as the program writes them (code page 932, CR LF).
QStringList linesOf(const test::TestBench& bench, const QString& name) {
    QFile file(bench.path(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return decodeCodePage(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

void writeLines(const test::TestBench& bench, const QString& name, const QStringList& lines) {
    bench.writeFile(name, encodeCodePage(lines.join(QStringLiteral("\r\n")) + "\r\n"));
}

const QString kBookHeader = QStringLiteral("購入日,開始回,継続回数,番号,種類,口数");
const QString kPrizeHeader =
    QStringLiteral("回号,当せん番号,ストレート,ボックス,セットストレート,セットボックス");

// The page's controls and what it shows.
class TicketsPageView {
public:
    explicit TicketsPageView(QWidget* window) : window_(window) {}

    template <typename Widget>
    Widget* find(const char* name) const {
        return window_->findChild<Widget*>(name);
    }
    // Clicks a button where the user sees it: the page scrolls to it first.
    void click(const char* name) const {
        auto* button = find<QPushButton>(name);
        for (QWidget* up = button; up; up = up->parentWidget())
            if (auto* area = qobject_cast<QScrollArea*>(up)) area->ensureWidgetVisible(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // The cells of the book's table, row by row.
    QList<QStringList> book() const {
        const QAbstractItemModel* model = find<QTableView>("ticketTable")->model();
        QList<QStringList> rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells << model->index(row, column).data().toString();
            rows << cells;
        }
        return rows;
    }
    // The totals by their labels.
    QString total(const QString& label) const {
        const auto* table = find<QTableWidget>("ticketTotals");
        for (int row = 0; row < table->rowCount(); ++row)
            if (table->item(row, 0)->text() == label) return table->item(row, 1)->text();
        return {};
    }

private:
    QWidget* window_;
};

}  // namespace

class TestTicketsPage : public QObject {
    Q_OBJECT

private slots:
    // The story of a prediction bought: 予想 in the main window, 予想を記録 for 2 units, the
    // result registered in the registration window; the ticket it matches in another order wins
    // the box prize of the prize file times 2, and the money follows.
    void predictionRecordedWinsWhenTheResultIsRegistered() {
        test::TestBench bench;
        writeDataSet(bench);
        test::WindowSession session(bench);
        session.typeCount("5");
        session.predict();
        const QStringList predicted = session.predictions();
        QCOMPARE(predicted.size(), 5);
        QCOMPARE(session.nextRound(), "1501");

        session.mainWindow().findChild<QAction*>("ticketsAction")->trigger();
        StatisticsWindow* window = test::openWindows<StatisticsWindow>().value(0);
        QVERIFY(window);
        const auto* tabs = window->findChild<QTabWidget*>();
        QCOMPARE(tabs->tabText(tabs->currentIndex()), "購入と収支");
        const TicketsPageView page(window);
        page.find<QSpinBox>("ticketUnitsBox")->setValue(2);
        page.click("recordPredictionButton");

        QStringList book = {kBookHeader};
        for (const QString& number : predicted)
            book << QStringLiteral("2026/12/07,1501,1,%1,ボックス,2").arg(number);
        QCOMPARE(linesOf(bench, kTicketFile), book);
        QCOMPARE(page.book().size(), 5);
        for (const QStringList& row : page.book()) QCOMPARE(row.last(), "未抽せん");
        QCOMPARE(page.total("未抽せんの回"), "5 回 (2,000 円)");

        // The first prediction drawn in reverse order: a box win of 37,500 yen a unit.
        QString drawn = predicted[0];
        std::reverse(drawn.begin(), drawn.end());
        writeLines(bench, kPrizeFile,
                   {kPrizeHeader, QStringLiteral("1501,%1,,37500,,").arg(drawn)});
        session.registerResult(drawn);

        const QList<QStringList> rows = page.book();
        QCOMPARE(rows.size(), 5);
        const auto won = std::ranges::find(rows, predicted[0], [](auto& row) { return row[2]; });
        QCOMPARE(won->last(), "ボックス 75,000 円");
        QCOMPARE(std::ranges::count(rows, "はずれ", [](auto& row) { return row.last(); }), 4);
        // 5 tickets of 2 units at 200 yen; 75,000 back: 3,750%.
        QCOMPARE(page.total("抽せん済みの回の代金"), "2,000 円");
        QCOMPARE(page.total("当せん金"), "75,000 円");
        QCOMPARE(page.total("収支"), "73,000 円");
        QCOMPARE(page.total("回収率"), "3750.00%");
        QCOMPARE(page.total("未抽せんの回"), "0 回 (0 円)");
        QVERIFY(!page.find<QPushButton>("enterPrizeButton")->isEnabled());
    }

    // The entry row takes the number as the registration window does, and refuses what cannot
    // be bought with the reason, writing nothing.
    void entryRowRecordsOrRefuses_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("refusal");  // empty: recorded
        QTest::newRow("full width, spaced") << "　０４１９ "
                                            << "ストレート"
                                            << "";
        QTest::newRow("1111 as a box") << "1111"
                                       << "ボックス"
                                       << "1111 はボックスでは買えません";
        QTest::newRow("1111 as a set") << "1111"
                                       << "セット"
                                       << "1111 はセットでは買えません";
        QTest::newRow("not four digits") << "12a4"
                                         << "ボックス"
                                         << "四桁の数字";
    }
    void entryRowRecordsOrRefuses() {
        QFETCH(QString, typed);
        QFETCH(QString, kind);
        QFETCH(QString, refusal);
        test::TestBench bench;
        writeDataSet(bench);
        StatisticsWindow window(bench.services, 10, [](const QString&) {});
        window.load();
        window.showPage(StatisticsWindow::Page::Tickets);
        const TicketsPageView page(&window);
        // Where the window runs alone, there is no prediction to record.
        QVERIFY(page.find<QPushButton>("recordPredictionButton")->isHidden());
        QCOMPARE(page.find<QSpinBox>("ticketFirstRoundBox")->value(), 1501);
        page.find<QLineEdit>("ticketNumberBox")->setText(typed);
        page.find<QComboBox>("ticketKindBox")->setCurrentText(kind);
        page.find<QSpinBox>("ticketRoundsBox")->setValue(3);
        page.click("recordTicketButton");
        if (refusal.isEmpty()) {
            QCOMPARE(linesOf(bench, kTicketFile),
                     (QStringList{kBookHeader, "2026/12/07,1501,3,0419,ストレート,1"}));
            QCOMPARE(page.book().value(0).value(1), "第1501回〜第1503回 (3 回)");
            QVERIFY(bench.dialogs.shown().isEmpty());
        } else {
            QVERIFY(!QFile::exists(bench.path(kTicketFile)));
            QCOMPARE(bench.dialogs.shown().size(), 1);
            QVERIFY2(bench.dialogs.shown()[0].text.contains(refusal),
                     qPrintable(bench.dialogs.shown()[0].text));
        }
    }

    // A straight ticket on the newest round's result won an amount not kept: the round's amounts
    // typed by hand go into the prize file, and the win shows its prize; an amount that is not
    // whole yen keeps the dialog open and writes nothing.
    void prizeEnteredByHand_data() {
        QTest::addColumn<QString>("straight");
        QTest::addColumn<QString>("kept");  // the prize file's row; empty: nothing written
        QTest::newRow("as the results page shows it") << "1,013,700円"
                                                      << "1500,6384,1013700,,,";
        QTest::newRow("full width") << "１０１３７００"
                                    << "1500,6384,1013700,,,";
        QTest::newRow("not an amount") << "1013700.5"
                                       << "";
    }
    void prizeEnteredByHand() {
        QFETCH(QString, straight);
        QFETCH(QString, kept);
        test::TestBench bench;
        writeDataSet(bench);
        writeLines(bench, kTicketFile, {kBookHeader, "2026/12/01,1499,2,6384,ストレート,3"});
        StatisticsWindow window(bench.services, 10, [](const QString&) {});
        window.load();
        const TicketsPageView page(&window);
        QCOMPARE(page.book().value(0).last(), "第1500回 ストレート 金額未登録、はずれ 1 回");
        QCOMPARE(page.total("当せん"), "1 回 (うち金額未登録 1 回)");
        page.click("enterPrizeButton");
        auto* dialog = window.findChild<PrizeEntryDialog*>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->findChild<QLabel*>("prizeResultLabel")->text(), "6384");
        dialog->findChild<QLineEdit*>("straightBox")->setText(straight);
        QTest::mouseClick(dialog->findChild<QPushButton*>("prizeOkButton"), Qt::LeftButton);
        if (kept.isEmpty()) {
            QVERIFY(dialog->isVisible());
            QVERIFY(!dialog->findChild<QLabel*>("prizeProblem")->isHidden());
            QVERIFY(!QFile::exists(bench.path(kPrizeFile)));
            return;
        }
        QCOMPARE(linesOf(bench, kPrizeFile), (QStringList{kPrizeHeader, kept}));
        QCOMPARE(page.book().value(0).last(), "第1500回 ストレート 3,041,100 円、はずれ 1 回");
        QCOMPARE(page.total("当せん金"), "3,041,100 円");
    }

    // CSV を保存… writes a line per ticket and round as kirikata4-tool tickets --csv does, through
    // the save chooser; a prize row whose
    // result is not the history's is not used, and the page says so.
    void csvOfEveryRoundAndARowSetAside_data() {
        QTest::addColumn<QString>("prizeRow");
        QTest::addColumn<QString>("won");   // the CSV's line of round 1500
        QTest::addColumn<QString>("note");  // on the page
        QTest::newRow("prize kept") << "1500,6384,1013700,,,"
                                    << "1500,6384,straight,3,straight,600,3041100"
                                    << "";
        QTest::newRow("another result")
            << "1500,1234,1013700,,,"
            << "1500,6384,straight,3,straight,600,"
            << "第1500回 は haitou4.csv の当せん番号が kri4.dat と違うため";
    }
    void csvOfEveryRoundAndARowSetAside() {
        QFETCH(QString, prizeRow);
        QFETCH(QString, won);
        QFETCH(QString, note);
        test::TestBench bench;
        writeDataSet(bench);
        writeLines(bench, kTicketFile,
                   {kBookHeader, "2026/12/01,1499,2,6384,ストレート,3",
                    "2026/12/07,1501,1,0419,ボックス,1"});
        writeLines(bench, kPrizeFile, {kPrizeHeader, prizeRow});
        StatisticsWindow window(bench.services, 10, [](const QString&) {});
        window.load();
        window.showPage(StatisticsWindow::Page::Tickets);
        const TicketsPageView page(&window);
        const QString shown = page.find<QLabel>("ticketNotes")->text();
        QVERIFY2(note.isEmpty() ? shown.isEmpty() : shown.startsWith(note), qPrintable(shown));
        bench.fileDialogs.answerNext(bench.path("tickets.csv"));
        page.click("saveTicketCsvButton");
        QCOMPARE(
            linesOf(bench, "tickets.csv"),
            (QStringList{"round,number,kind,units,result,cost,prize",
                         "1499,6384,straight,3,miss,600,0", won, "1501,0419,box,1,pending,200,"}));
    }

    // A ticket is deleted only after the question is answered Yes; a book with a row the program
    // does not read says which and why, and lets nothing write it.
    void deleteAfterTheQuestionAndNothingOnABadBook() {
        test::TestBench bench;
        writeDataSet(bench);
        const QStringList book = {kBookHeader, "2026/11/01,1490,1,1234,ボックス,1",
                                  "2026/12/01,1501,1,5678,セット,2"};
        writeLines(bench, kTicketFile, book);
        StatisticsWindow window(bench.services, 10, [](const QString&) {});
        window.load();
        window.showPage(StatisticsWindow::Page::Tickets);
        const TicketsPageView page(&window);
        auto* table = page.find<QTableView>("ticketTable");
        QCOMPARE(page.book().value(0).value(2), "5678");  // the newest first
        QVERIFY(QTest::qWaitForWindowActive(&window));
        table->setFocus();
        table->selectRow(0);
        bench.dialogs.answerNext(Answer::No);
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(linesOf(bench, kTicketFile), book);
        table->selectRow(0);
        bench.dialogs.answerNext(Answer::Yes);
        page.click("deleteTicketButton");
        QCOMPARE(linesOf(bench, kTicketFile), book.mid(0, 2));

        writeLines(bench, kTicketFile, {kBookHeader, "2026/11/01,1490,1,12a4,ボックス,1"});
        window.reload();
        QVERIFY2(page.find<QLabel>("ticketNotes")->text().contains("kounyuu4.csv の 2 行目"),
                 qPrintable(page.find<QLabel>("ticketNotes")->text()));
        QVERIFY(!page.find<QPushButton>("recordTicketButton")->isEnabled());
        QVERIFY(!page.find<QPushButton>("deleteTicketButton")->isEnabled());
    }
};

QTEST_MAIN(TestTicketsPage)
#include "test_tickets_page.moc"
