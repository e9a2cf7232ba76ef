#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "support/test_services.h"
#include "ui/main_window.h"
#include "ui/registration_window.h"

namespace k4::test {

// The program's windows of a kind that are shown now, oldest first.
template <typename Window>
QList<Window*> openWindows() {
    QList<Window*> open;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible())
            open.append(window);
    return open;
}

// The program's windows on a test data folder, driven the way a user does it: controls are
// found by what they are to the user (the one place that knows their names in the window
// layout), buttons are clicked and text is typed.
class WindowSession {
public:
    enum class Start { Load, WithoutLoad };

    explicit WindowSession(TestBench& bench, Start start = Start::Load)
        : bench_(bench), main_(bench.services) {
        if (start == Start::Load) main_.load();
    }
    // Windows closed by a command are deleted later; let that happen before the next test.
    ~WindowSession() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    MainWindow& mainWindow() { return main_; }

    // The main window's controls, by what they are to the user.
    static QLineEdit* nextRoundBox(const QWidget& main) {
        return main.findChild<QLineEdit*>("Text1");
    }
    static QLineEdit* countBox(const QWidget& main) { return main.findChild<QLineEdit*>("Text2"); }
    static QListWidget* predictionList(const QWidget& main) {
        return main.findChild<QListWidget*>("List2");
    }
    static QPushButton* predictButton(const QWidget& main) { return button(main, "Command5"); }
    static QPushButton* showTextButton(const QWidget& main) { return button(main, "Command1"); }
    static QPushButton* registerDataButton(const QWidget& main) { return button(main, "Command2"); }
    static QPushButton* exitButton(const QWidget& main) { return button(main, "Command10"); }

    void predict() { QTest::mouseClick(predictButton(main_), Qt::LeftButton); }
    void showText() { QTest::mouseClick(showTextButton(main_), Qt::LeftButton); }
    void typeCount(const QString& text) {
        countBox(main_)->clear();
        QTest::keyClicks(countBox(main_), text);
    }
    QString nextRound() const { return nextRoundBox(main_)->text(); }
    void setNextRound(const QString& text) { nextRoundBox(main_)->setText(text); }
    // The items of the prediction list.
    QStringList predictions() const {
        QStringList items;
        const QListWidget* list = predictionList(main_);
        for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
        return items;
    }

    // Register data; while the registration window is open, pressing it again does nothing.
    // Returns the registration window, if it is open.
    RegistrationWindow* openRegistration() {
        QTest::mouseClick(registerDataButton(main_), Qt::LeftButton);
        return registrationWindow();
    }
    // The registration window's controls, by what they are to the user.
    static QLineEdit* resultBox(const QWidget& registration) {
        return registration.findChild<QLineEdit*>("Text1");
    }
    static QListView* historyList(const QWidget& registration) {
        return registration.findChild<QListView*>("List1");
    }
    enum class Registration { Register, Delete, Close };  // 登録終了, 削除終了, 閉じる
    static QPushButton* registrationButton(const QWidget& registration, Registration which) {
        static constexpr const char* kNames[] = {"Command1", "Command2", "Command3"};
        return button(registration, kNames[int(which)]);
    }

    // Types into the registration window's input and presses 登録終了.
    void registerResult(const QString& typed) {
        if (openRegistration()) {
            typeResult(typed);
            pressInRegistration(Registration::Register);
        }
    }
    // Presses 削除終了 and answers the question with `answer`.
    void deleteNewest(Answer answer = Answer::Yes) {
        if (openRegistration()) {
            bench_.dialogs.answerNext(answer);
            pressInRegistration(Registration::Delete);
        }
    }
    void pressInRegistration(Registration which) {
        QTest::mouseClick(registrationButton(*registrationWindow(), which), Qt::LeftButton);
    }
    void typeResult(const QString& text) { resultBox(*registrationWindow())->setText(text); }
    QString typedResult() const { return resultBox(*registrationWindow())->text(); }
    // The results the open registration window lists.
    QStringList listedHistory() const {
        const auto* model = historyList(*registrationWindow())->model();
        QStringList items;
        for (int row = 0; row < model->rowCount(); ++row)
            items.append(model->index(row, 0).data().toString());
        return items;
    }

    // The registration window while it is open, and how many are open.
    RegistrationWindow* registrationWindow() const {
        const QList<RegistrationWindow*> open = openWindows<RegistrationWindow>();
        return open.isEmpty() ? nullptr : open.last();
    }
    static int registrationWindowsOpen() { return int(openWindows<RegistrationWindow>().size()); }

private:
    static QPushButton* button(const QWidget& window, const char* name) {
        return window.findChild<QPushButton*>(name);
    }

    TestBench& bench_;
    MainWindow main_;
};

}  // namespace k4::test
