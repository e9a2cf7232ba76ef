#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "data/file_names.h"
#include "support/test_data.h"
#include "support/window_session.h"
#include "ui/statistics/backtest_page.h"
#include "ui/statistics/statistics_window.h"

using namespace k4;

namespace {

using Session = test::WindowSession;

void writeGoldenFolder(const test::TestBench& bench) {
    bench.writeDataFiles(test::golden(kHistoryFile), test::golden(kCandidateFile), "120\r\n");
}

// Gives `control` the keyboard focus in its active window and presses `key` there.
void pressOn(QWidget* control, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    control->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(control->window()));
    control->setFocus(Qt::TabFocusReason);
    QTest::keyClick(control, key, modifiers);
}

}  // namespace

// The keyboard as Windows users use it: Enter presses the button that has the focus, in every
// window, and no other; the statistics window closes from the keyboard, and a page change hands
// the focus to the page's first input.
class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void enterPressesTheFocusedButtonOnly() {
        test::TestBench bench;
        writeGoldenFolder(bench);
        Session session(bench);
        MainWindow& main = session.mainWindow();

        pressOn(Session::countBox(main), Qt::Key_Return);
        QVERIFY(session.predictions().isEmpty());
        pressOn(Session::predictButton(main), Qt::Key_Return);
        QCOMPARE(session.predictions().size(), 10);

        QVERIFY(session.openRegistration());
        pressOn(Session::resultBox(*session.registrationWindow()), Qt::Key_Enter);
        QCOMPARE(Session::registrationWindowsOpen(), 1);
        pressOn(Session::registrationButton(*session.registrationWindow(),
                                            Session::Registration::Close),
                Qt::Key_Enter);
        QCOMPARE(Session::registrationWindowsOpen(), 0);

        QPointer statistics = new StatisticsWindow(bench.services, 10, [](const QString&) {});
        QSignalSpy computed(statistics->backtestPage(), &BacktestPage::computed);
        statistics->load();
        QVERIFY(computed.wait());  // the figures to save
        bench.fileDialogs.cancelNext();
        pressOn(statistics->findChild<QPushButton*>("saveCsvButton"), Qt::Key_Return);
        QCOMPARE(bench.fileDialogs.shown(), QStringList{"各回の結果を CSV で保存"});
        delete statistics;
    }

    void statisticsWindowClosesFromTheKeyboard_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("Esc") << "numberBox" << Qt::Key_Escape << Qt::KeyboardModifiers();
        QTest::newRow("Ctrl+W") << "sourceBox" << Qt::Key_W
                                << Qt::KeyboardModifiers(Qt::ControlModifier);
        QTest::newRow("Enter on 閉じる")
            << "closeButton" << Qt::Key_Return << Qt::KeyboardModifiers();
    }
    void statisticsWindowClosesFromTheKeyboard() {
        QFETCH(QString, control);
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        test::TestBench bench;
        writeGoldenFolder(bench);
        QPointer window = new StatisticsWindow(bench.services, 10, [](const QString&) {});
        window->load();
        pressOn(window->findChild<QWidget*>(control), key, modifiers);
        QTRY_VERIFY(window.isNull());
    }

    // The window opens with the first page's first input focused; Ctrl+Tab and the program's own
    // change of page move the focus to the first input of the page shown, even from the tab bar;
    // the arrow keys on the tab bar leave it there.
    void pageChangeFocusesThePagesFirstInput() {
        test::TestBench bench;
        writeGoldenFolder(bench);
        StatisticsWindow window(bench.services, 10, [](const QString&) {});
        window.load();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const auto focused = [] { return QApplication::focusWidget()->objectName(); };
        QCOMPARE(focused(), "sourceBox");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(focused(), "scopeBox");
        auto* tabs = window.findChild<QTabWidget*>("statisticsTabs");
        tabs->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(tabs->currentIndex(), 2);
        QCOMPARE(focused(), "qt_tabwidget_tabbar");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(focused(), "ticketNumberBox");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(focused(), "chooseFileButton");
        window.showPage(StatisticsWindow::Page::Lookup);
        QCOMPARE(focused(), "numberBox");
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
