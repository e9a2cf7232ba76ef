#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "data/file_names.h"
#include "data/initial_candidates.h"
#include "data/lines.h"
#include "platform/program_launcher.h"
#include "platform/qt_translations.h"
#include "support/folder_snapshot.h"
#include "support/test_services.h"
#include "support/window_session.h"
#include "ui/main_window.h"
#include "ui/statistics/statistics_window.h"

using namespace k4;

namespace {

struct Expected {
    const char* name;
    QString caption;
    QRect geometry;
    double points;
    bool bold;
    bool fixedPitch;
};

// The layout table of the main window, in pixels at 96 dots per inch.
const QList<Expected> kLayout = {
    {"Label2", "キリカータ４予想プログラム", {8, 6, 166, 13}, 9.75, true, false},
    {"List2", "", {16, 32, 73, 213}, 14.25, false, true},
    {"Text2", "10", {32, 256, 33, 25}, 14.25, false, true},
    {"Label1", "次回は", {96, 40, 49, 25}, 11.25, false, false},
    {"Text1", "Text1", {144, 32, 41, 25}, 12, false, true},
    {"Label3", "回", {192, 40, 17, 25}, 11.25, false, false},
    {"Command10", "終  了", {112, 64, 89, 47}, 14.25, false, true},
    {"Command5", "予  想 ", {112, 120, 89, 49}, 14.25, false, true},
    {"Command1", "TEXT表示", {112, 184, 89, 49}, 12, false, false},
    {"Command2", "データ登録", {112, 248, 89, 49}, 12, false, false},
};

// What a command of the menu bar is seen to do.
enum class Effect {
    ImportPage,          // the statistics window, on its import page
    BacktestPage,        // the statistics window, on its backtest page
    TicketsPage,         // the statistics window, on its page 購入と収支
    DataFolderOpened,    // the desktop opens the data folder
    BackupFolderAsked,   // a chooser for the new backup folder
    RestoreFolderAsked,  // a chooser for the backup to restore
    Ended,               // the program ends
    ManualOpened,        // the desktop opens the manual
    VersionShown,        // the version box
};

// How the program that opens a file or folder for the user fares.
enum class Opener { CannotStart, EndsFailing, Opens };

QString captionOf(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<QPushButton*>(control)) return button->text();
    if (auto* box = qobject_cast<QLineEdit*>(control)) return box->text();
    return {};
}

// The program that opens the report: the desktop's handler, or on Windows the program text files
// open with (Notepad unless the user chose another).
bool isTextEditor(const QString& program) {
#ifdef Q_OS_WIN
    return program.endsWith(u".exe", Qt::CaseInsensitive);
#else
    return program == u"xdg-open";
#endif
}

}  // namespace

Q_DECLARE_METATYPE(Effect)
Q_DECLARE_METATYPE(Opener)

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    // The controls keep their places in the client area, which keeps its size below the menu
    // bar: the window grows by the menu bar's height and nothing else.
    void isLaidOutAsDesigned() {
        test::TestBench bench;
        MainWindow form(bench.services);
        QCOMPARE(form.windowTitle(), QStringLiteral(" 戦略 キリカータ Vr1.20"));
        auto* menuBar = form.findChild<QMenuBar*>();
        auto* clientArea = form.findChild<QWidget*>("clientArea");
        QVERIFY(menuBar && clientArea);
        QCOMPARE(clientArea->geometry(), QRect(0, menuBar->height(), 217, 304));
        QCOMPARE(menuBar->geometry(), QRect(0, 0, 217, menuBar->sizeHint().height()));
        QCOMPARE(form.size(), QSize(217, 304 + menuBar->height()));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(!form.windowIcon().isNull());
        QCOMPARE(form.windowIcon().availableSizes().value(0), QSize(32, 32));
        for (const Expected& expected : kLayout) {
            auto* control = form.findChild<QWidget*>(expected.name);
            QVERIFY2(control, expected.name);
            QCOMPARE(captionOf(control), expected.caption);
            QCOMPARE(QRect(control->mapTo(clientArea, QPoint(0, 0)), control->size()),
                     expected.geometry);
            QCOMPARE(control->font().pointSizeF(), expected.points);
            QCOMPARE(control->font().bold(), expected.bold);
            if (QFontDatabase::hasFamily("IPAGothic") && QFontDatabase::hasFamily("IPAPGothic")) {
                QCOMPARE(QFontInfo(control->font()).family(),
                         expected.fixedPitch ? "IPAGothic" : "IPAPGothic");
            }
        }
        for (auto* button : form.findChildren<QPushButton*>()) QVERIFY(!button->isDefault());
    }

    void tabsThroughTheControlsInTabIndexOrder() {
        test::TestBench bench;
        bench.writeFile(kCounterFile, "0\r\n");
        MainWindow form(bench.services);
        form.load();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget()->objectName(), "Command5");
        const QStringList cycle = {"Command2", "List2",    "Command10", "Text2",
                                   "Text1",    "Command1", "Command5"};
        for (const QString& next : cycle) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }
    }

    // Each command of the menu bar, reached with the keyboard as on Windows (Alt and the menu's
    // access key, then the item's), does what it says.
    void menuCommandsDoWhatTheySay_data() {
        QTest::addColumn<int>("menuKey");
        QTest::addColumn<int>("itemKey");
        QTest::addColumn<Effect>("effect");
        QTest::newRow("ファイル/過去の結果を取り込む")
            << int(Qt::Key_F) << int(Qt::Key_I) << Effect::ImportPage;
        QTest::newRow("ファイル/データのフォルダーを開く")
            << int(Qt::Key_F) << int(Qt::Key_D) << Effect::DataFolderOpened;
        QTest::newRow("ファイル/バックアップを作成")
            << int(Qt::Key_F) << int(Qt::Key_B) << Effect::BackupFolderAsked;
        QTest::newRow("ファイル/バックアップから戻す")
            << int(Qt::Key_F) << int(Qt::Key_R) << Effect::RestoreFolderAsked;
        QTest::newRow("ファイル/終了") << int(Qt::Key_F) << int(Qt::Key_X) << Effect::Ended;
        QTest::newRow("ツール/成績と統計")
            << int(Qt::Key_T) << int(Qt::Key_S) << Effect::BacktestPage;
        QTest::newRow("ツール/購入と収支")
            << int(Qt::Key_T) << int(Qt::Key_B) << Effect::TicketsPage;
        QTest::newRow("ヘルプ/使いかた")
            << int(Qt::Key_H) << int(Qt::Key_H) << Effect::ManualOpened;
        QTest::newRow("F1") << int(Qt::Key_F1) << 0 << Effect::ManualOpened;
        QTest::newRow("ヘルプ/バージョン情報")
            << int(Qt::Key_H) << int(Qt::Key_A) << Effect::VersionShown;
    }
    void menuCommandsDoWhatTheySay() {
        QFETCH(int, menuKey);
        QFETCH(int, itemKey);
        QFETCH(Effect, effect);
        test::TestBench bench;
        bench.writeDataFiles("1234\r\n5678\r\n", writeLines(initialCandidateLines()), "2\r\n");
        bench.services.manualFile = QStringLiteral("/usr/share/doc/kirikata4/manual.html");
        if (effect == Effect::BackupFolderAsked || effect == Effect::RestoreFolderAsked)
            bench.fileDialogs.cancelNext();  // cancelled
        const test::FolderContents before = test::folderContents(bench);
        MainWindow form(bench.services);
        form.load();
        QVERIFY(QTest::qWaitForWindowActive(&form));

        if (itemKey == 0) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(menuKey));
        } else {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(menuKey), Qt::AltModifier);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY2(menu, "no menu opened");
            QTest::keyClick(menu, Qt::Key(itemKey));
            QVERIFY(!QApplication::activePopupWidget());
        }

        const QList<StatisticsWindow*> statistics = test::openWindows<StatisticsWindow>();
        const QMap<Effect, QString> pages = {{Effect::ImportPage, "取り込み"},
                                             {Effect::BacktestPage, "バックテスト"},
                                             {Effect::TicketsPage, "購入と収支"}};
        QCOMPARE(statistics.size(), pages.contains(effect) ? 1 : 0);
        if (!statistics.isEmpty()) {
            const auto* tabs = statistics[0]->findChild<QTabWidget*>();
            QCOMPARE(tabs->tabText(tabs->currentIndex()), pages[effect]);
        }

        const auto commandLine = [](const Command& command) {
            return QStringList(command.program) + command.arguments;
        };
        QList<QStringList> started;
        for (const Command& command : bench.launcher.started) started << commandLine(command);
        const QString opened = effect == Effect::DataFolderOpened ? bench.files.folderName()
                               : effect == Effect::ManualOpened   ? bench.services.manualFile
                                                                  : QString();
        QCOMPARE(started, opened.isEmpty()
                              ? QList<QStringList>{}
                              : QList<QStringList>{commandLine(desktopOpenCommand(opened))});

        QCOMPARE(bench.fileDialogs.shown(), effect == Effect::BackupFolderAsked
                                                ? QStringList{"バックアップを作るフォルダー"}
                                            : effect == Effect::RestoreFolderAsked
                                                ? QStringList{"戻すバックアップのフォルダー"}
                                                : QStringList{});
        if (effect == Effect::VersionShown) {
            QCOMPARE(bench.dialogs.shown().size(), 1);
            const QString text = bench.dialogs.shown()[0].text;
            QCOMPARE(bench.dialogs.shown()[0].title, "バージョン情報");
            for (const QString& part :
                 {QStringLiteral("1.20"), QStringLiteral("MIT"), QStringLiteral("Qt ") + qVersion(),
                  QDir::toNativeSeparators(bench.folder.path())})
                QVERIFY2(text.contains(part), qPrintable(part));
        } else {
            QVERIFY(bench.dialogs.shown().isEmpty());
        }
        QCOMPARE(bench.endedWith, effect == Effect::Ended ? std::optional(0) : std::nullopt);
        QCOMPARE(test::folderContents(bench), before);
    }

    void manualThatIsNotInstalledIsReported() {
        test::TestBench bench;
        MainWindow form(bench.services);
        form.findChild<QAction*>("manualAction")->trigger();
        QVERIFY(bench.launcher.started.isEmpty());
        QCOMPARE(bench.dialogs.shown().size(), 1);
        QVERIFY(bench.dialogs.shown()[0].text.startsWith("使いかたのファイルが見つかりません。"));
        QVERIFY(!bench.endedWith);
    }

    void showsTheNextRoundAtStartUp_data() {
        QTest::addColumn<QByteArray>("counterFile");
        QTest::addColumn<QString>("nextRound");
        QTest::newRow("123") << QByteArray("123\r\n") << "124";
        QTest::newRow("space 57") << QByteArray(" 57\r\n") << "58";
        QTest::newRow("empty first line") << QByteArray("\r\n") << "1";
        QTest::newRow("letters") << QByteArray("abc\r\n") << "1";
        QTest::newRow("-5") << QByteArray("-5\r\n") << "-4";
        QTest::newRow("12.5 to even 14") << QByteArray("12.5\r\n") << "14";
        QTest::newRow("11.5 to 12") << QByteArray("11.5\r\n") << "12";
        QTest::newRow("32766") << QByteArray("32766\r\n") << "32767";
        QTest::newRow("-32769") << QByteArray("-32769\r\n") << "-32768";
        QTest::newRow("later lines ignored") << QByteArray("3\r\n9\r\n9\r\n") << "4";
    }
    void showsTheNextRoundAtStartUp() {
        QFETCH(QByteArray, counterFile);
        QFETCH(QString, nextRound);
        test::TestBench bench;
        bench.writeFile(kCounterFile, counterFile);
        MainWindow form(bench.services);
        form.load();
        QCOMPARE(test::WindowSession::nextRoundBox(form)->text(), nextRound);
        QCOMPARE(test::WindowSession::countBox(form)->text(), "10");
        QCOMPARE(test::WindowSession::predictionList(form)->count(), 0);
        QVERIFY(form.isVisible());
        QVERIFY(!bench.endedWith.has_value());
        QVERIFY(bench.dialogs.shown().isEmpty());
        QCOMPARE(bench.fileBytes(kCounterFile), counterFile);
    }

    void startUpFailuresEndTheProgram_data() {
        QTest::addColumn<std::optional<QByteArray>>("counterFile");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << std::optional<QByteArray>()
                                 << "ファイルが見つかりません: kaisuu4.txt";
        QTest::newRow("empty") << std::optional<QByteArray>("")
                               << "ファイルの終わりを越えて読み込もうとしました: kaisuu4.txt";
        QTest::newRow("32767") << std::optional<QByteArray>("32767\r\n")
                               << "オーバーフローしました: kaisuu4.txt";
        QTest::newRow("-32770") << std::optional<QByteArray>("-32770\r\n")
                                << "オーバーフローしました: kaisuu4.txt";
    }
    void startUpFailuresEndTheProgram() {
        QFETCH(std::optional<QByteArray>, counterFile);
        QFETCH(QString, message);
        test::TestBench bench;
        if (counterFile) bench.writeFile(kCounterFile, *counterFile);
        MainWindow form(bench.services);
        form.load();
        QVERIFY(form.isVisible());
        QCOMPARE(test::WindowSession::nextRoundBox(form)->text(), "Text1");
        QCOMPARE(bench.dialogs.shown().size(), 1);
        QCOMPARE(bench.dialogs.shown().first().text, message);
        QCOMPARE(bench.endedWith, 1);
        QCOMPARE(bench.fileBytes(kCounterFile), counterFile);
    }

    void showTextStartsTheEditorOnTheReport() {
        test::TestBench bench;
        MainWindow form(bench.services);
        QTest::mouseClick(test::WindowSession::showTextButton(form), Qt::LeftButton);
        QCOMPARE(bench.launcher.started.size(), 1);
        QVERIFY2(isTextEditor(bench.launcher.started.first().program),
                 qPrintable(bench.launcher.started.first().program));
        QCOMPARE(bench.launcher.started.first().arguments, QStringList{"yosou4.txt"});
        QVERIFY(bench.dialogs.shown().isEmpty());
        QVERIFY(!bench.fileBytes(kReportFile).has_value());  // nothing is written first
    }

    // Where nothing opens the report, the manual or the data folder, the user is told which
    // file or folder it is, to open it by hand, and the program goes on: when the opener cannot
    // start, and when it ends saying so (xdg-open's exit status; Explorer's and an editor's
    // tell nothing).
    void openerThatFindsNoProgramNamesWhatItOpens_data() {
        QTest::addColumn<QString>("control");  // the button or the menu command
        QTest::addColumn<QString>("opened");   // in the data folder; empty: the folder
        QTest::addColumn<Opener>("opener");
        const QList<std::pair<QString, QString>> commands = {
            {"Command1", "yosou4.txt"}, {"manualAction", "manual.html"}, {"openFolderAction", ""}};
        for (const auto& [control, opened] : commands) {
            QTest::addRow("%s, cannot start", qPrintable(control))
                << control << opened << Opener::CannotStart;
            QTest::addRow("%s, ends failing", qPrintable(control))
                << control << opened << Opener::EndsFailing;
            QTest::addRow("%s, opens it", qPrintable(control))
                << control << opened << Opener::Opens;
        }
    }
    void openerThatFindsNoProgramNamesWhatItOpens() {
        QFETCH(QString, control);
        QFETCH(QString, opened);
        QFETCH(Opener, opener);
        test::TestBench bench;
        bench.services.manualFile = bench.path("manual.html");
        bench.launcher.succeeds = opener != Opener::CannotStart;
        MainWindow form(bench.services);
        if (auto* button = form.findChild<QPushButton*>(control))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            form.findChild<QAction*>(control)->trigger();
        QCOMPARE(bench.launcher.started.size(), 1);
        if (opener != Opener::CannotStart) {
            QVERIFY(bench.dialogs.shown().isEmpty());
            bench.launcher.endRunning(opener == Opener::EndsFailing);
        }

        const bool told =
            opener == Opener::CannotStart ||
            (opener == Opener::EndsFailing && bench.launcher.started.first().exitStatusTells);
        QCOMPARE(bench.dialogs.shown().size(), told ? 1 : 0);
        if (told)
            QCOMPARE(bench.dialogs.shown().first().text,
                     "開くプログラムが見つかりません: " +
                         QDir::toNativeSeparators(opened.isEmpty() ? bench.folder.path()
                                                                   : bench.path(opened)) +
                         "\n手動で開いてください。");
        QVERIFY(!bench.endedWith.has_value());
    }

    void exitAndClosingEndTheProgram() {
        test::TestBench bench;
        {
            MainWindow form(bench.services);
            QTest::mouseClick(test::WindowSession::exitButton(form), Qt::LeftButton);
            QCOMPARE(bench.endedWith, 0);
        }
        bench.endedWith.reset();
        MainWindow form(bench.services);
        form.show();
        form.close();
        QCOMPARE(bench.endedWith, 0);
        QVERIFY(bench.dialogs.shown().isEmpty());
    }

    // Qt's own texts, such as a text box's edit menu, read Japanese once its translation is in.
    // Last of the suite, since the translation stays installed.
    void editMenuOfATextBoxIsJapanese() {
        if (!installQtTranslation(Language::Japanese))
            QSKIP("Qt's Japanese translation is not installed (Debian: qt6-translations-l10n)");
        test::TestBench bench;
        MainWindow form(bench.services);
        const std::unique_ptr<QMenu> menu(
            test::WindowSession::countBox(form)->createStandardContextMenu());
        QVERIFY2(menu->actions().value(0)->text().startsWith("元に戻す(&U)"),
                 qPrintable(menu->actions().value(0)->text()));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
