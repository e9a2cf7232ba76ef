#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include "cli/console.h"
#include "cli/tool_arguments.h"
#include "cli/tool_command.h"
#include "platform/file_system.h"

namespace k4::bench {

// Runs the tool as from the command line, its output thrown away; returns its exit status.
inline int runQuietly(const QStringList& arguments) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    Console console{outStream, errStream, Language::English, false};
    DiskFolderOpener folders;
    return runTool(parseToolArguments(QStringList{"kirikata4-tool"} + arguments, Language::English),
                   console, folders);
}

}  // namespace k4::bench
