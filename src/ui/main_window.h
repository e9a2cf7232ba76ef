#pragma once

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace k4 {

class RegistrationWindow;
struct Services;

// The main window, `Form1` of the layout: the next round number, the predicted combinations,
// the count of them to list, and the commands Predict, Show text, Register data and Exit.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The load step: shows the window, then reads the round counter and shows the next round.
    void load();

    // Shows `text` as the next round; the registration window corrects it after a command.
    void setNextRoundText(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void predict();
    void openRegistration();
    void showReport();
    void exitProgram();

    Services& services_;
    QListWidget* predictionList_;                      // List2
    QLineEdit* countBox_;                              // Text2: how many predictions to list
    QLineEdit* nextRoundBox_;                          // Text1
    QPushButton* exitButton_;                          // Command10
    QPushButton* predictButton_;                       // Command5
    QPushButton* showTextButton_;                      // Command1
    QPushButton* registerButton_;                      // Command2
    QPointer<RegistrationWindow> registrationWindow_;  // while it is open
};

}  // namespace k4
