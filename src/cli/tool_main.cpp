#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

#include "cli/tool_arguments.h"
#include "cli/tool_command.h"
#include "platform/file_system.h"
#include "platform/image_only_gui.h"
#include "platform/qt_translations.h"
#include "platform/terminal.h"

// The companion command of the program: imports past results into a data folder, backtests
// the prediction on a folder's history and keeps the player's ticket book. It shares the data,
// prediction and registration code of the windows and uses no widget.
int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    const k4::Language language = k4::systemLanguage();

    // Text on a chart needs the fonts of the GUI part; drawn into an image, it needs no display.
    std::unique_ptr<QCoreApplication> application;
    if (k4::drawsChart(k4::parseToolArguments(arguments, language))) {
        k4::chooseImageOnlyGui();
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    // Qt's own messages ("Unknown option …") are in the user's language once the application
    // exists, so the arguments are read for the request only now.
    k4::installQtTranslation(language);
    const k4::ToolRequest request = k4::parseToolArguments(arguments, language);

    // The system's encoding is UTF-8 on Linux and the ANSI code page on Windows (932 on a
    // Japanese system), which the console and redirected output there expect.
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::System);
    err.setEncoding(QStringConverter::System);
    QElapsedTimer sinceStart;
    sinceStart.start();
    k4::Console console{out, err, language, k4::standardErrorIsTerminal(),
                        [&sinceStart] { return sinceStart.elapsed(); }};
    k4::DiskFolderOpener folders;
    const int status = k4::runTool(request, console, folders);
    out.flush();
    err.flush();
    return status;
}
