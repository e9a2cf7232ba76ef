#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

#include "analysis/backtest.h"
#include "platform/language.h"

namespace k4 {

// kirikata4-tool import FILE [--folder DIR] [--force]
struct ImportRequest {
    QString file;
    QString folder;
    bool force = false;
};

// kirikata4-tool backtest [--folder DIR] [--count N] [--last K] [--csv FILE] [--png FILE]
struct BacktestRequest {
    QString folder;
    QString resultsFile;  // empty: the folder's history
    BacktestOptions options;
    QString csvFile;  // empty: none
    QString pngFile;  // empty: none
};

struct HelpRequest {};
struct VersionRequest {};

struct UsageError {
    QString message;
};

using ToolRequest =
    std::variant<HelpRequest, VersionRequest, ImportRequest, BacktestRequest, UsageError>;

// Reads the command line, `arguments` starting with the program's name. The folder defaults to
// the current one.
ToolRequest parseToolArguments(const QStringList& arguments, Language language);

// Whether carrying out the request draws a chart, which needs the GUI part of Qt for its text.
bool drawsChart(const ToolRequest& request);

// How to call the tool.
QString usageText(Language language);

// The name and the version, as `kirikata4-tool 1.20`.
QString versionText();

}  // namespace k4
