#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "cli/console.h"
#include "cli/tool_arguments.h"
#include "cli/tool_command.h"
#include "platform/file_system.h"
#include "support/random_draws.h"

namespace k4::test {

// What one run of the tool printed and returned.
struct ToolRun {
    int status = -1;
    QString out;
    QString err;
};

// Runs the tool in this process as `kirikata4-tool arguments…`, standard error not a terminal,
// on the folders `folders` opens where given and on the disk's otherwise, on the day `clock` says.
inline ToolRun runToolWith(const QStringList& arguments, Language language = Language::English,
                           FolderOpener* folders = nullptr, const Clock& clock = systemClock()) {
    DiskFolderOpener disk;
    ToolRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    Console console{out, err, language, false, {}, clock};
    const QStringList full = QStringList{QStringLiteral("kirikata4-tool")} + arguments;
    run.status = runTool(parseToolArguments(full, language), console, folders ? *folders : disk);
    out.flush();
    err.flush();
    return run;
}

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace k4::test
