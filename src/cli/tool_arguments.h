#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

#include "analysis/backtest.h"
#include "data/ticket_book.h"
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

// kirikata4-tool tickets [--folder DIR] [--csv FILE]
struct TicketsRequest {
    QString folder;
    QString csvFile;  // empty: none
};

// kirikata4-tool tickets add NUMBER --kind straight|box|set [--units N] [--round R] [--rounds K]
struct AddTicketRequest {
    QString folder;
    QString number;  // as typed; the command reads it as the registration window does
    TicketKind kind = TicketKind::Box;
    int units = 1;
    std::optional<qint32> firstRound;  // none: the round after the newest drawn
    int rounds = 1;
};

// kirikata4-tool tickets remove N
struct RemoveTicketRequest {
    QString folder;
    qsizetype position = 0;  // from 1, as `tickets` lists the book
};

struct HelpRequest {};
struct VersionRequest {};

struct UsageError {
    QString message;
};

using ToolRequest = std::variant<HelpRequest, VersionRequest, ImportRequest, BacktestRequest,
                                 TicketsRequest, AddTicketRequest, RemoveTicketRequest, UsageError>;

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
