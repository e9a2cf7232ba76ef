#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/widget_dialogs.h"

using namespace k4;

class TestWidgetDialogs : public QObject {
    Q_OBJECT

private slots:
    void yesNoBoxHasStyle276() {
        const auto box = makeYesNoBox("終了しますか。", "入力エラー", QuestionIcon::Stop, nullptr);
        QCOMPARE(box->text(), "終了しますか。");
        QCOMPARE(box->windowTitle(), "入力エラー");
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box->button(QMessageBox::Yes)->text(), "はい(&Y)");
        QCOMPARE(box->button(QMessageBox::No)->text(), "いいえ(&N)");
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
        // A question before files are replaced warns instead of showing the stop icon.
        QCOMPARE(
            makeYesNoBox("戻しますか。", "バックアップから戻す", QuestionIcon::Warning, nullptr)
                ->icon(),
            QMessageBox::Warning);
    }

    void yesNoBoxReturnsTheButtonPressed_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("Enter takes the default No") << "enter" << Answer::No;
        QTest::newRow("Escape is No") << "escape" << Answer::No;
        QTest::newRow("clicking はい is Yes") << "yes" << Answer::Yes;
        QTest::newRow("clicking いいえ is No") << "no" << Answer::No;
    }
    void yesNoBoxReturnsTheButtonPressed() {
        QFETCH(QString, action);
        QFETCH(Answer, answer);
        // A real box, answered as soon as it is shown. A box still open after a second is closed
        // so that the test cannot hang; closing answers No, so the test then fails whatever the
        // row expects.
        QTimer::singleShot(0, [action] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            if (action == "enter") QTest::keyClick(box, Qt::Key_Return);
            if (action == "escape") QTest::keyClick(box, Qt::Key_Escape);
            if (action == "yes") box->button(QMessageBox::Yes)->click();
            if (action == "no") box->button(QMessageBox::No)->click();
        });
        bool leftOpen = false;
        QTimer fallback;
        fallback.setSingleShot(true);
        connect(&fallback, &QTimer::timeout, [&leftOpen] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                leftOpen = true;
                box->close();
            }
        });
        fallback.start(1000);
        WidgetDialogs dialogs;
        QCOMPARE(dialogs.askYesNo("削除しますか。", "データー削除", QuestionIcon::Stop), answer);
        QVERIFY2(!leftOpen, "the box was not answered");
    }
};

QTEST_MAIN(TestWidgetDialogs)
#include "test_widget_dialogs.moc"
