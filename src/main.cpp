#include <QApplication>
#include <QDir>
#include <QTimer>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/program_launcher.h"
#include "ui/main_window.h"
#include "ui/services.h"
#include "ui/widget_dialogs.h"

// The program reads no argument, no environment variable and no settings file: its data
// folder is the working directory it was started in.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);  // closing the main window ends the program

    k4::DiskFileSystem files(QDir::currentPath());
    k4::WidgetDialogs dialogs;
    k4::ProcessLauncher launcher;
    k4::SystemClock clock;
    k4::Services services{files, dialogs, launcher, clock,
                          [](int exitCode) { QCoreApplication::exit(exitCode); }};

    k4::MainWindow mainWindow(services);
    // The load step runs inside the event loop, so that a failure in it can end the program.
    QTimer::singleShot(0, &mainWindow, &k4::MainWindow::load);
    return application.exec();
}
