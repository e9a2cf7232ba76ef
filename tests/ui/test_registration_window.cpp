#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include "data/file_names.h"
#include "support/test_data.h"
#include "support/window_session.h"

using namespace k4;
using test::candidateFile;
using Registration = test::WindowSession::Registration;

namespace {

const QByteArray kHistory = "1111\r\n2222\r\n3333\r\n";

// A data folder with three results and counter 41, and the main window started on it.
struct Started {
    Started() {
        bench.writeDataFiles(kHistory, candidateFile(), "41\r\n");
        session.mainWindow().load();
    }

    test::TestBench bench;
    test::WindowSession session{bench, test::WindowSession::Start::WithoutLoad};
};

}  // namespace

class TestRegistrationWindow : public QObject {
    Q_OBJECT

private slots:
    void opensLaidOutAsDesigned() {
        Started app;
        RegistrationWindow* form = app.session.openRegistration();
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("キリカータ４　登録"));
        QCOMPARE(form->geometry(), QRect(297, 176, 160, 271));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(!form->windowIcon().isNull());
        const struct {
            const char* name;
            QRect geometry;
            QString caption;
            double points;
            bool fixedPitch;
        } layout[] = {
            {"Text1", {88, 8, 57, 25}, "", 14.25, true},
            {"List1", {8, 8, 65, 251}, "", 14.25, true},
            {"Command1", {88, 48, 65, 33}, "登録終了", 9.75, false},
            {"Command2", {88, 96, 65, 33}, "削除終了", 9.75, false},
            {"Command3", {88, 144, 65, 113}, "閉じる", 9.75, false},
        };
        for (const auto& expected : layout) {
            auto* control = form->findChild<QWidget*>(expected.name);
            QVERIFY2(control, expected.name);
            QCOMPARE(control->geometry(), expected.geometry);
            QCOMPARE(control->font().pointSizeF(), expected.points);
            QVERIFY(!control->font().bold());
            if (auto* button = qobject_cast<QPushButton*>(control)) {
                QCOMPARE(button->text(), expected.caption);
                QVERIFY(!button->isDefault());
            }
            if (QFontDatabase::hasFamily("IPAGothic") && QFontDatabase::hasFamily("IPAPGothic"))
                QCOMPARE(QFontInfo(control->font()).family(),
                         expected.fixedPitch ? "IPAGothic" : "IPAPGothic");
        }
        QCOMPARE(app.session.listedHistory(), (QStringList{"1111", "2222", "3333"}));
        QVERIFY(QTest::qWaitForWindowActive(form));
        QCOMPARE(QApplication::focusWidget()->objectName(), "Text1");
        for (const QString& next :
             QStringList{"List1", "Command1", "Command2", "Command3", "Text1"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }
    }

    void listsEveryLineAsRead() {
        Started app;
        app.bench.writeFile(kHistoryFile, "1111\r\n\r\n 2a2\r\n3333");
        app.session.openRegistration();
        QCOMPARE(app.session.listedHistory(), (QStringList{"1111", "", " 2a2", "3333"}));
    }

    void secondPressLeavesOneWindow() {
        Started app;
        RegistrationWindow* first = app.session.openRegistration();
        app.session.typeResult("12");
        app.bench.writeFile(kHistoryFile, "9999\r\n");
        app.session.openRegistration();
        QCOMPARE(test::WindowSession::registrationWindowsOpen(), 1);
        QCOMPARE(app.session.registrationWindow(), first);
        QCOMPARE(app.session.listedHistory().size(), 3);  // not reloaded
    }

    void registersAndCloses() {
        Started app;
        app.session.openRegistration();
        app.session.typeResult(QString::fromUtf8(" ０１５１\u3000"));
        app.session.pressInRegistration(Registration::Register);
        QCOMPARE(test::WindowSession::registrationWindowsOpen(), 0);
        QCOMPARE(app.session.nextRound(), "43");
        QCOMPARE(app.bench.fileBytes(kHistoryFile), "0151\r\n" + kHistory);
        QCOMPARE(app.bench.fileBytes(kCounterFile), QByteArray("42\r\n"));
        QVERIFY(app.bench.fileBytes(kCandidateFile)->endsWith("0151\r\n"));
        QVERIFY(app.bench.dialogs.shown().isEmpty());
    }

    void refusedInputAsksWhetherToFinish_data() {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("staysOpen");
        QTest::newRow("No keeps the window") << Answer::No << true;
        QTest::newRow("Yes closes it") << Answer::Yes << false;
    }
    void refusedInputAsksWhetherToFinish() {
        QFETCH(Answer, answer);
        QFETCH(bool, staysOpen);
        Started app;
        app.session.openRegistration();
        app.session.typeResult("12a4");
        app.bench.dialogs.answerNext(answer);
        app.session.pressInRegistration(Registration::Register);
        QCOMPARE(app.bench.dialogs.shown().size(), 1);
        QCOMPARE(app.bench.dialogs.shown().first().text, "終了しますか。");
        QCOMPARE(app.bench.dialogs.shown().first().title, "入力エラー");
        QCOMPARE(test::WindowSession::registrationWindowsOpen(), staysOpen ? 1 : 0);
        if (staysOpen) QCOMPARE(app.session.typedResult(), "12a4");
        QCOMPARE(app.bench.fileBytes(kHistoryFile), kHistory);
        QCOMPARE(app.bench.fileBytes(kCounterFile), QByteArray("41\r\n"));
        QCOMPARE(app.session.nextRound(), "42");
    }

    void deletesTheNewestAfterYes() {
        Started app;
        app.session.openRegistration();
        app.bench.dialogs.answerNext(Answer::Yes);
        app.session.pressInRegistration(Registration::Delete);
        QCOMPARE(app.bench.dialogs.shown().first().text, "削除しますか。");
        QCOMPARE(app.bench.dialogs.shown().first().title, "データー削除");
        QCOMPARE(test::WindowSession::registrationWindowsOpen(), 0);
        QCOMPARE(app.bench.fileBytes(kHistoryFile), QByteArray("2222\r\n3333\r\n"));
        QCOMPARE(app.bench.fileBytes(kCounterFile), QByteArray("40\r\n"));
        QCOMPARE(app.session.nextRound(), "41");
    }

    void deletionAnsweredNoOrOnAnEmptyListChangesNothing_data() {
        QTest::addColumn<QByteArray>("history");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("No") << kHistory << Answer::No;
        QTest::newRow("empty list, Yes") << QByteArray() << Answer::Yes;
    }
    void deletionAnsweredNoOrOnAnEmptyListChangesNothing() {
        QFETCH(QByteArray, history);
        QFETCH(Answer, answer);
        Started app;
        app.bench.writeFile(kHistoryFile, history);
        app.session.openRegistration();
        app.bench.dialogs.answerNext(answer);
        app.session.pressInRegistration(Registration::Delete);
        QCOMPARE(test::WindowSession::registrationWindowsOpen(), 0);
        QCOMPARE(app.bench.fileBytes(kHistoryFile), history);
        QCOMPARE(app.bench.fileBytes(kCounterFile), QByteArray("41\r\n"));
        QCOMPARE(app.session.nextRound(), "42");
    }

    void closeStoresNothingAndReopeningRereads() {
        Started app;
        app.session.openRegistration();
        app.session.typeResult("5555");
        app.session.pressInRegistration(Registration::Close);
        QCOMPARE(test::WindowSession::registrationWindowsOpen(), 0);
        QCOMPARE(app.bench.fileBytes(kHistoryFile), kHistory);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app.bench.writeFile(kHistoryFile, "7777\r\n");
        app.session.openRegistration();
        QCOMPARE(app.session.typedResult(), "");
        QCOMPARE(app.session.listedHistory(), QStringList{"7777"});
    }

    void missingHistoryEndsTheProgram() {
        Started app;
        QFile::remove(app.bench.path(kHistoryFile));
        app.session.openRegistration();
        QCOMPARE(app.bench.dialogs.shown().first().text,
                 QStringLiteral("ファイルが見つかりません: kri4.dat"));
        QCOMPARE(app.bench.endedWith, 1);
    }

    // The counter removed by another program since the window opened: the registration is
    // refused, the program goes on.
    void counterRemovedSinceOpeningWritesNothing() {
        Started app;
        app.session.openRegistration();
        QFile::remove(app.bench.path(kCounterFile));
        app.session.typeResult("0151");
        app.session.pressInRegistration(Registration::Register);
        QVERIFY(!app.bench.endedWith);
        QVERIFY(app.bench.dialogs.shown().last().text.startsWith(
            QStringLiteral("データがほかのプログラムで変更されました")));
        QCOMPARE(app.bench.fileBytes(kHistoryFile), kHistory);
        QCOMPARE(app.bench.fileBytes(kCandidateFile), candidateFile());
    }
};

QTEST_MAIN(TestRegistrationWindow)
#include "test_registration_window.moc"
