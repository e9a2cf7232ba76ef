#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace k4 {

class Form3;
struct Services;

// The main window: the next round number, the predicted combinations, the count of them to
// list, and the commands Predict, Show text, Register data and Exit.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(Services& services, QWidget* parent = nullptr);
    ~Form1() override;

    // The load step: shows the window, then reads the round counter and shows the next round.
    void load();

    // The next round number box, which the registration window corrects.
    void setNextRoundText(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void predict();
    void openRegistration();
    void showText();
    void exitProgram();

    Services& services_;
    QLabel* label2_;
    QListWidget* list2_;
    QLineEdit* text2_;
    QLabel* label1_;
    QLineEdit* text1_;
    QLabel* label3_;
    QPushButton* command10_;
    QPushButton* command5_;
    QPushButton* command1_;
    QPushButton* command2_;
    QPointer<Form3> form3_;  // the registration window while it is open
};

}  // namespace k4
