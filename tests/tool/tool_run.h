#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <random>

#include "tool/console.h"
#include "tool/tool_arguments.h"
#include "tool/tool_command.h"

namespace k4::test {

// What one run of the tool printed and returned.
struct ToolRun {
    int status = -1;
    QString out;
    QString err;
};

// Runs the tool in this process as `kirikata4-tool arguments…`, standard error not a terminal.
inline ToolRun runToolWith(const QStringList& arguments, Language language = Language::English) {
    ToolRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    Console console{out, err, language, false};
    const QStringList full = QStringList{QStringLiteral("kirikata4-tool")} + arguments;
    run.status = runTool(parseToolArguments(full, language), console);
    out.flush();
    err.flush();
    return run;
}

// Uniformly drawn four-digit results.
inline QStringList randomDraws(int count, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> draw(0, 9999);
    QStringList draws;
    for (int i = 0; i < count; ++i)
        draws << QStringLiteral("%1").arg(draw(random), 4, 10, QLatin1Char('0'));
    return draws;
}

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace k4::test
