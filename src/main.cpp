#include <QApplication>
#include <QDir>
#include <QTimer>

#include "command_line.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/installed_manual.h"
#include "platform/program_launcher.h"
#include "platform/qt_translations.h"
#include "ui/program_start.h"
#include "ui/services.h"
#include "ui/widget_dialogs.h"
#include "ui/widget_file_dialogs.h"

// The program reads no environment variable and no settings file: its data folder is the
// working directory it was started in. Its options choose the first window.
int main(int argc, char* argv[]) {
    if (k4::asksForHelpOrVersion(argc, argv)) {
        const QCoreApplication commandLine(argc, argv);
        k4::readCommandLine(commandLine);  // prints the answer and ends the process
    }
    QApplication application(argc, argv);
    const k4::StartOptions options = k4::readCommandLine(application);
    application.setQuitOnLastWindowClosed(false);  // the first window ends the program
    // The windows speak Japanese, Qt's own texts in them too (edit menus, file dialogs). The
    // command line above stays in the English of its help.
    k4::installQtTranslation(k4::Language::Japanese);

    k4::DiskFileSystem files(QDir::currentPath());
    k4::DiskFolderOpener folders;
    k4::WidgetDialogs dialogs;
    k4::WidgetFileDialogs fileDialogs;
    k4::ProcessLauncher launcher;
    k4::SystemClock clock;
    k4::Services services{files,
                          folders,
                          dialogs,
                          fileDialogs,
                          launcher,
                          clock,
                          [](int exitCode) { QCoreApplication::exit(exitCode); },
                          k4::installedManual()};

    k4::ProgramWindows windows(services, options);
    // The window opens inside the event loop, so that a failure in it can end the program.
    QTimer::singleShot(0, [&windows] { windows.start(); });
    return application.exec();
}
