#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "data/file_names.h"
#include "platform/program_launcher.h"
#include "support/test_services.h"
#include "ui/main_window.h"

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

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void isLaidOutAsDesigned() {
        test::TestBench bench;
        MainWindow form(bench.services);
        QCOMPARE(form.windowTitle(), QStringLiteral(" 戦略 キリカータ Vr1.20"));
        QCOMPARE(form.size(), QSize(217, 304));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(!form.windowIcon().isNull());
        QCOMPARE(form.windowIcon().availableSizes().value(0), QSize(32, 32));
        for (const Expected& expected : kLayout) {
            auto* control = form.findChild<QWidget*>(expected.name);
            QVERIFY2(control, expected.name);
            QCOMPARE(captionOf(control), expected.caption);
            QCOMPARE(control->geometry(), expected.geometry);
            QCOMPARE(control->font().pointSizeF(), expected.points);
            QCOMPARE(control->font().bold(), expected.bold);
            if (QFontDatabase::hasFamily("IPAGothic") && QFontDatabase::hasFamily("IPAPGothic")) {
                QCOMPARE(QFontInfo(control->font()).family(),
                         expected.fixedPitch ? "IPAGothic" : "IPAPGothic");
            }
        }
        for (auto* button : form.findChildren<QPushButton*>()) {
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        }
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
        QCOMPARE(form.findChild<QLineEdit*>("Text1")->text(), nextRound);
        QCOMPARE(form.findChild<QLineEdit*>("Text2")->text(), "10");
        QCOMPARE(form.findChild<QListWidget*>("List2")->count(), 0);
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
        QCOMPARE(form.findChild<QLineEdit*>("Text1")->text(), "Text1");
        QCOMPARE(bench.dialogs.shown().size(), 1);
        QCOMPARE(bench.dialogs.shown().first().text, message);
        QCOMPARE(bench.endedWith, 1);
        QCOMPARE(bench.fileBytes(kCounterFile), counterFile);
    }

    void showTextStartsTheEditorOnTheReport() {
        test::TestBench bench;
        MainWindow form(bench.services);
        QTest::mouseClick(form.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QCOMPARE(bench.launcher.started.size(), 1);
        QVERIFY2(isTextEditor(bench.launcher.started.first().program),
                 qPrintable(bench.launcher.started.first().program));
        QCOMPARE(bench.launcher.started.first().arguments, QStringList{"yosou4.txt"});
        QVERIFY(bench.dialogs.shown().isEmpty());
        QVERIFY(!bench.fileBytes(kReportFile).has_value());  // nothing is written first
    }

    void editorThatCannotStartIsReportedAndTheProgramGoesOn() {
        test::TestBench bench;
        bench.launcher.succeeds = false;
        MainWindow form(bench.services);
        QTest::mouseClick(form.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QCOMPARE(bench.dialogs.shown().size(), 1);
#ifdef Q_OS_WIN
        QVERIFY(bench.dialogs.shown().first().text.contains(u".exe", Qt::CaseInsensitive));
#else
        QVERIFY(bench.dialogs.shown().first().text.contains(u"xdg-open"));
#endif
        QVERIFY(!bench.endedWith.has_value());
    }

    void exitAndClosingEndTheProgram() {
        test::TestBench bench;
        {
            MainWindow form(bench.services);
            QTest::mouseClick(form.findChild<QPushButton*>("Command10"), Qt::LeftButton);
            QCOMPARE(bench.endedWith, 0);
        }
        bench.endedWith.reset();
        MainWindow form(bench.services);
        form.show();
        form.close();
        QCOMPARE(bench.endedWith, 0);
        QVERIFY(bench.dialogs.shown().isEmpty());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
