#pragma once

#include <QWidget>
#include <functional>

#include "data/data_files_state.h"

class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;

namespace k4 {

struct Services;

// The registration window, `Form3` of the layout: the stored results, newest first, an input
// for the newest draw, and the commands to register it, to delete the newest result and to
// close. It deletes itself when closed, so every opening starts afresh from the history file.
class RegistrationWindow : public QWidget {
    Q_OBJECT

public:
    // `showNextRound` puts the next round into the main window once a command changed it.
    RegistrationWindow(Services& services, std::function<void(const QString&)> showNextRound);

    // The load step: shows the window, then lists every line of the history file.
    void load();
    // Lists the history file anew when another program changed the data files.
    void followFiles();

private:
    // Reads the data files and lists the history.
    void readList();
    // Lists the history of the data files as read.
    void list(const DataFilesState& state);
    void registerTyped();
    void deleteNewest();

    Services& services_;
    std::function<void(const QString&)> showNextRound_;
    QLineEdit* resultBox_;         // Text1: the result just drawn
    QListView* historyList_;       // List1
    QStringListModel* entries_;    // the listed history, from which the commands rewrite it
    DataFilesState listedFrom_;    // what the files held when the list was read
    QPushButton* registerButton_;  // Command1
    QPushButton* deleteButton_;    // Command2
    QPushButton* closeButton_;     // Command3
};

}  // namespace k4
