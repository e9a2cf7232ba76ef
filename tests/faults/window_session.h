#pragma once

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "support/test_services.h"
#include "ui/form1.h"
#include "ui/form3.h"

namespace k4::test {

// The program's windows on a test data folder, driven the way a user does it.
class WindowSession {
public:
    explicit WindowSession(TestBench& bench) : bench_(bench), form1_(bench.services) {
        form1_.load();
    }
    ~WindowSession() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void predict() { press(&form1_, "Command5"); }

    // Register data; while the registration window is open, pressing it again does nothing.
    void openRegistration() { press(&form1_, "Command2"); }

    void registerResult(const QString& typed) {
        openRegistration();
        if (Form3* form = form3()) {
            form->findChild<QLineEdit*>("Text1")->setText(typed);
            press(form, "Command1");
        }
    }

    void deleteNewest() {
        openRegistration();
        bench_.dialogs.answerNext(Answer::Yes);
        if (Form3* form = form3()) press(form, "Command2");
    }

    QString nextRound() const { return form1_.findChild<QLineEdit*>("Text1")->text(); }
    int listed() const { return form1_.findChild<QListWidget*>("List2")->count(); }

    // The registration window while it is open.
    Form3* form3() const {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<Form3*>(window); form && form->isVisible()) return form;
        return nullptr;
    }

private:
    static void press(QWidget* window, const char* button) {
        QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
    }

    TestBench& bench_;
    Form1 form1_;
};

}  // namespace k4::test
