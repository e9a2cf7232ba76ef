#pragma once

#include <QWidget>
#include <functional>

class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;

namespace k4 {

struct Services;

// The registration window: the stored results, newest first, an input for the newest draw, and
// the commands to register it, to delete the newest result and to close. It deletes itself
// when closed, so every opening starts afresh from the history file.
class Form3 : public QWidget {
    Q_OBJECT

public:
    // `showNextRound` puts the next round into the main window once a command changed it.
    Form3(Services& services, std::function<void(const QString&)> showNextRound);

    // The load step: shows the window, then lists every line of the history file.
    void load();

private:
    void registerTyped();
    void deleteNewest();

    Services& services_;
    std::function<void(const QString&)> showNextRound_;
    QLineEdit* text1_;
    QListView* list1_;
    QStringListModel* entries_;
    QPushButton* command1_;
    QPushButton* command2_;
    QPushButton* command3_;
};

}  // namespace k4
