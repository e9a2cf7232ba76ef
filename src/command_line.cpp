#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "version.h"

namespace k4 {

bool asksForHelpOrVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-h" || argument == "--help" || argument == "--help-all" ||
            argument == "-v" || argument == "--version")
            return true;
    }
    return false;
}

StartOptions readCommandLine(const QCoreApplication& application) {
    QCoreApplication::setApplicationName(QStringLiteral("kirikata4"));
    QCoreApplication::setApplicationVersion(kProgramVersion);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Box bet predictions for a four-digit lottery, with a Japanese user interface.\n"
        "\n"
        "The program keeps the draw results in the data files of the folder it is started in\n"
        "and predicts box combinations for the next round from them. It reads no settings:\n"
        "start it through kirikata4-launch, which prepares the data folder and starts it\n"
        "there (and passes --stats on)."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption statistics(
        QStringLiteral("stats"),
        QStringLiteral("Open only the statistics window; closing it ends the program."));
    const QCommandLineOption screenshot(
        QStringLiteral("stats-screenshot"),
        QStringLiteral("Write a picture of the statistics window's backtest page to <file>, "
                       "then end (for the documentation)."),
        QStringLiteral("file"));
    parser.addOptions({statistics, screenshot});
    parser.process(application);  // ends the process for help, version and unknown options

    const QStringList unexpected = parser.positionalArguments();
    if (!unexpected.isEmpty()) {
        std::fprintf(stderr, "kirikata4: unexpected argument '%s'\nTry 'kirikata4 --help'.\n",
                     qPrintable(unexpected.first()));
        std::exit(EXIT_FAILURE);
    }
    StartOptions options;
    if (parser.isSet(statistics) || parser.isSet(screenshot))
        options.windows = StartOptions::Windows::StatisticsOnly;
    options.screenshotFile = parser.value(screenshot);
    return options;
}

}  // namespace k4
