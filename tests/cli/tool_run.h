#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "cli/console.h"
#include "cli/tool_arguments.h"
#include "cli/tool_command.h"
#include "support/random_draws.h"

namespace k4::test {

// What one run of the tool printed and returned.
struct ToolRun {
    int status = -1;
    QString out;
    QString err;
};

// Runs the tool in this process as `kirikata4-tool arguments…`, standard error not a terminal,
// its writes going through `faults` where given.
inline ToolRun runToolWith(const QStringList& arguments, Language language = Language::English,
                           WriteFaults* faults = nullptr) {
    ToolRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    Console console{out, err, language, false};
    const QStringList full = QStringList{QStringLiteral("kirikata4-tool")} + arguments;
    run.status = runTool(parseToolArguments(full, language), console, faults);
    out.flush();
    err.flush();
    return run;
}

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace k4::test
