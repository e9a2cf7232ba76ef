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
// found by their names in the window layout, buttons are clicked and text is typed.
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

    void predict() { press(&main_, "Command5"); }
    void showText() { press(&main_, "Command1"); }
    void typeCount(const QString& text) {
        auto* countBox = main_.findChild<QLineEdit*>("Text2");
        countBox->clear();
        QTest::keyClicks(countBox, text);
    }
    QString nextRound() const { return main_.findChild<QLineEdit*>("Text1")->text(); }
    void setNextRound(const QString& text) { main_.findChild<QLineEdit*>("Text1")->setText(text); }
    // The items of the prediction list.
    QStringList predictions() const {
        QStringList items;
        const auto* list = main_.findChild<QListWidget*>("List2");
        for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
        return items;
    }

    // Register data; while the registration window is open, pressing it again does nothing.
    // Returns the registration window, if it is open.
    RegistrationWindow* openRegistration() {
        press(&main_, "Command2");
        return registrationWindow();
    }
    // Types into the registration window's input and presses 登録終了.
    void registerResult(const QString& typed) {
        if (RegistrationWindow* window = openRegistration()) {
            window->findChild<QLineEdit*>("Text1")->setText(typed);
            press(window, "Command1");
        }
    }
    // Presses 削除終了 and answers the question with `answer`.
    void deleteNewest(Answer answer = Answer::Yes) {
        if (RegistrationWindow* window = openRegistration()) {
            bench_.dialogs.answerNext(answer);
            press(window, "Command2");
        }
    }
    void pressInRegistration(const char* button) { press(registrationWindow(), button); }
    void typeResult(const QString& text) {
        registrationWindow()->findChild<QLineEdit*>("Text1")->setText(text);
    }
    // The results the open registration window lists.
    QStringList listedHistory() const {
        const auto* model = registrationWindow()->findChild<QListView*>("List1")->model();
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
    static void press(QWidget* window, const char* button) {
        QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
    }

    TestBench& bench_;
    MainWindow main_;
};

}  // namespace k4::test
