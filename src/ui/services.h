#pragma once

#include <QString>
#include <functional>

namespace k4 {

class Clock;
class Dialogs;
class FileDialogs;
class FileSystem;
class FolderOpener;
class ProgramLauncher;

// What the windows use of the world outside them. The program passes the real services; tests
// pass a temporary data folder, scripted message boxes and file choosers and a recording
// launcher.
struct Services {
    FileSystem& dataFolder;  // the data folder, where the data files are
    FolderOpener& folders;   // where the files the user saves go
    Dialogs& dialogs;
    FileDialogs& fileDialogs;
    ProgramLauncher& launcher;
    const Clock& clock;
    // Ends the program with the exit code once the current event has been handled.
    std::function<void(int exitCode)> endProgram;
    // The HTML manual that 使いかた opens; empty when none is installed.
    QString manualFile = {};
};

}  // namespace k4
