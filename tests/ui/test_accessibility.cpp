#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "data/file_names.h"
#include "support/window_session.h"
#include "ui/statistics/statistics_window.h"
#include "ui/widget_dialogs.h"

using namespace k4;

namespace {

// Compares what a screen reader is told of the control named `control` in `window`.
void compareAccessible(QWidget* window) {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    auto* widget = window->findChild<QWidget*>(control);
    QVERIFY2(widget, qPrintable(control));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(accessible->role(), role);
}

}  // namespace

// What a screen reader is told of each control: its name, as words, and its role.
class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasANameAndRole_data() {
        QTest::addColumn<bool>("inRegistration");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QAccessible::Role>("role");
        const auto row = [](bool inRegistration, const char* control, const char* name,
                            QAccessible::Role role) {
            QTest::addRow("%s %s", inRegistration ? "Form3" : "Form1", control)
                << inRegistration << control << QString::fromUtf8(name) << role;
        };
        row(false, "Label2", "キリカータ４予想プログラム", QAccessible::StaticText);
        row(false, "List2", "予想結果の一覧", QAccessible::List);
        row(false, "Text2", "予想する件数", QAccessible::EditableText);
        row(false, "Label1", "次回は", QAccessible::StaticText);
        row(false, "Text1", "次回の回数", QAccessible::EditableText);
        row(false, "Label3", "回", QAccessible::StaticText);
        row(false, "Command10", "終了", QAccessible::Button);
        row(false, "Command5", "予想", QAccessible::Button);
        row(false, "Command1", "TEXT表示", QAccessible::Button);
        row(false, "Command2", "データ登録", QAccessible::Button);
        row(true, "Text1", "今回の当選番号", QAccessible::EditableText);
        row(true, "List1", "登録済みの結果の一覧", QAccessible::List);
        row(true, "Command1", "登録終了", QAccessible::Button);
        row(true, "Command2", "削除終了", QAccessible::Button);
        row(true, "Command3", "閉じる", QAccessible::Button);
    }
    void everyControlHasANameAndRole() {
        QFETCH(bool, inRegistration);
        test::TestBench bench;
        bench.writeFile(kCounterFile, "0\r\n");
        bench.writeFile(kHistoryFile, "1234\r\n");
        test::WindowSession session(bench);
        QWidget* window = &session.mainWindow();
        if (inRegistration) window = session.openRegistration();
        compareAccessible(window);
    }

    // The statistics window's controls without a caption of their own are named after what
    // they show; those beside a label take its text.
    void statisticsControlsHaveNames_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QAccessible::Role>("role");
        const auto row = [](const char* control, const char* name, QAccessible::Role role) {
            QTest::newRow(control) << control << QString::fromUtf8(name) << role;
        };
        row("countBox", "予想数 N:", QAccessible::SpinBox);
        row("figureTable", "バックテストの数値", QAccessible::Table);
        row("moneyTable", "バックテストの収支", QAccessible::Table);
        row("chart", "累積的中数と収支、偶然の期待値のグラフ", QAccessible::Client);
        row("heatMap", "位ごとの数字の出現回数", QAccessible::Table);
        row("longestWaiting", "待ちが長い組み合わせ (kri4key.dat の先頭)", QAccessible::Table);
        row("numberBox", "四桁の数字:", QAccessible::EditableText);
        row("recordTable", "番号の記録", QAccessible::Table);
        row("previewTable", "先頭の 10 行の読み取り:", QAccessible::Table);
    }
    void statisticsControlsHaveNames() {
        test::TestBench bench;
        bench.writeFile(kCounterFile, "1\r\n");
        bench.writeFile(kHistoryFile, "1234\r\n");
        StatisticsWindow window(bench.services, 10, [](const QString&) {});
        compareAccessible(&window);
    }

    // Each menu of the menu bar tells a screen reader every entry it draws, under itself, also
    // once the right-button menus holding the same commands have been read.
    void menuBarTellsEveryEntryUnderItsMenu() {
        test::TestBench bench;
        test::WindowSession session(bench);
        const auto entries = [](QWidget* menu) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(menu);
            QStringList names;
            for (int i = 0; i < accessible->childCount(); ++i) {
                QAccessibleInterface* entry = accessible->child(i);
                if (entry->parent()->object() != menu) return QStringList{"(elsewhere)"};
                if (entry->role() != QAccessible::Separator)
                    names << entry->text(QAccessible::Name);
            }
            return names;
        };
        QWidget* window = &session.mainWindow();
        const QPoint at(10, 10);
        QContextMenuEvent request(QContextMenuEvent::Keyboard, at, window->mapToGlobal(at));
        QApplication::sendEvent(window, &request);
        auto* contextMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(contextMenu);
        QCOMPARE(entries(contextMenu), (QStringList{"成績と統計(S)…", "過去の結果を取り込む(I)…"}));
        contextMenu->close();

        QStringList shown;
        for (QAction* title : window->findChild<QMenuBar*>("menuBar")->actions())
            shown << QString(title->text()).remove(u'&') + ": " + entries(title->menu()).join(", ");
        QCOMPARE(shown,
                 (QStringList{"ファイル(F): 過去の結果を取り込む(I)…, データのフォルダーを開く(D), "
                              "バックアップを作成(B)…, バックアップから戻す(R)…, 終了(X)",
                              "ツール(T): 成績と統計(S)…, 購入と収支(B)…",
                              "ヘルプ(H): 使いかた(H), バージョン情報(A)"}));
    }

    void messageBoxCarriesItsPrompt() {
        const auto box =
            makeYesNoBox("削除しますか。", "データー削除", QuestionIcon::Stop, nullptr);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box.get());
        QCOMPARE(accessible->text(QAccessible::Description), "削除しますか。");
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
