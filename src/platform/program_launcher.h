#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace k4 {

// A program to start and the arguments it gets, each passed on as it stands (no shell).
struct Command {
    QString program;
    QStringList arguments;
    // Whether the program's exit status says if it did its work. xdg-open's does: it ends with
    // a non-zero status when nothing on the machine opens the file. Explorer's does not (it
    // ends with 1 after opening a folder), nor does an editor's.
    bool exitStatusTells = false;
};

// Starts other programs without waiting for them.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;

    // Starts the command in the current working directory and returns at once. `failed` is
    // called when the program cannot be started and, for a command whose exit status tells,
    // when it ends with a failure, which the event loop reports later.
    virtual void start(const Command& command, std::function<void()> failed) = 0;
};

// Starts programs through QProcess, never through a shell. A program whose exit status tells
// is watched until it ends; one still running when the launcher goes is let go of, not killed,
// for xdg-open may be waiting on the editor it started.
class ProcessLauncher final : public ProgramLauncher {
public:
    void start(const Command& command, std::function<void()> failed) override;

private:
    QObject watched_;  // the parent of the programs watched
};

// The user's text editor opened on the named file: the program Windows opens text files with
// (Notepad unless the user chose another), the desktop's handler (xdg-open) elsewhere. Each
// platform has its own source file for it.
Command textEditorCommand(const QString& fileName);

// The desktop opening a file or folder, named by its path, as a double-click in the file
// manager would: a folder in the file manager, a web page in the browser. Each platform has its
// own source file for it.
Command desktopOpenCommand(const QString& path);

}  // namespace k4
