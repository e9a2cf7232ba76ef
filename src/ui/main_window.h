#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/statistics/statistics_window.h"

class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace k4 {

class MainMenuBar;
class RegistrationWindow;
struct Services;

// The main window (object name Form1): the next round number, the predicted combinations,
// the count of them to list, and the commands Predict, Show text, Register data and Exit, in a
// client area below the menu bar (MainMenuBar). Its context menu (the right mouse button
// anywhere on it, or the menu key) opens the statistics window too; in the two text boxes the
// menu adds those items to the usual editing ones. A file dropped on it is offered for import.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The load step: shows the window, then reads the round counter and shows the next round.
    void load();

    // Shows `text` as the next round; the registration window corrects it after a command.
    void setNextRoundText(const QString& text);

    // Another program changed the data files: the next round and the open windows follow.
    void followFiles();

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // A file of past results dropped on the window opens the import with it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void predict();
    void openRegistration();
    void restore();
    // The data files changed: the next round is `nextRound`, and open figures are read again.
    void dataChanged(const QString& nextRound);
    // The next round and the combinations listed, for the statistics window's 予想を記録.
    ListedPrediction listedPrediction() const;
    // Opens the statistics window on `page`, or raises it when it is open.
    void openStatistics(StatisticsWindow::Page page);
    void addMenuToTextBox(QLineEdit* box);
    void addSharedCommands(QMenu* menu);
    void showReport();
    void exitProgram();
    // Shows the next round of the counter `counter` unless it is the one shown already, which
    // the user may have typed over.
    void showNextRoundOf(double counter);

    Services& services_;
    QListWidget* predictionList_;                      // List2
    QLineEdit* countBox_;                              // Text2: how many predictions to list
    QLineEdit* nextRoundBox_;                          // Text1
    QPushButton* exitButton_;                          // Command10
    QPushButton* predictButton_;                       // Command5
    QPushButton* showTextButton_;                      // Command1
    QPushButton* registerButton_;                      // Command2
    QPointer<RegistrationWindow> registrationWindow_;  // while it is open
    QPointer<StatisticsWindow> statisticsWindow_;      // while it is open
    MainMenuBar* menuBar_;
    QMenu* contextMenu_;
    QString nextRoundOfFiles_;  // the next round the data files gave when last read
};

}  // namespace k4
