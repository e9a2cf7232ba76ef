#pragma once

#include <QString>
#include <QStringList>

namespace k4 {

// A program to start and the arguments it gets, each passed on as it stands (no shell).
struct Command {
    QString program;
    QStringList arguments;
};

// Starts other programs without waiting for them.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;

    // Starts the command as a detached process in the current working directory. Returns
    // false when it could not be started.
    virtual bool startDetached(const Command& command) = 0;
};

// Starts programs through QProcess, never through a shell.
class ProcessLauncher final : public ProgramLauncher {
public:
    bool startDetached(const Command& command) override;
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
