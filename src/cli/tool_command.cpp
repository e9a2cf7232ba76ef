#include "cli/tool_command.h"

#include <QDir>

#include "cli/backtest_command.h"
#include "cli/import_command.h"
#include "cli/tickets_command.h"
#include "cli/tool_messages.h"
#include "data/data_files.h"
#include "platform/failure.h"
#include "platform/file_system.h"

namespace k4 {
namespace {

// Completes or drops a commit that a crash cut off in the folder, as the program does at
// start-up, before the command reads or writes anything there. A folder that does not exist
// yet holds nothing to recover, and nothing is written to it.
bool recoverBeforeCommand(const QString& folder, Console& console, FolderOpener& folders) {
    const QString path = QDir(folder).absolutePath();
    try {
        DataFiles(*folders.open(path)).recover();
        return true;
    } catch (const Failure& failure) {
        console.err << failureText(failure, path, console.language) << '\n';
        return false;
    }
}

}  // namespace

int runTool(const ToolRequest& request, Console& console, FolderOpener& folders) {
    if (const auto* import = std::get_if<ImportRequest>(&request))
        return recoverBeforeCommand(import->folder, console, folders)
                   ? runImport(*import, console, folders)
                   : kExitFailure;
    if (const auto* backtest = std::get_if<BacktestRequest>(&request))
        return recoverBeforeCommand(backtest->folder, console, folders)
                   ? runBacktestCommand(*backtest, console, folders)
                   : kExitFailure;
    if (const auto* tickets = std::get_if<TicketsRequest>(&request))
        return recoverBeforeCommand(tickets->folder, console, folders)
                   ? runTicketsCommand(*tickets, console, folders)
                   : kExitFailure;
    if (const auto* add = std::get_if<AddTicketRequest>(&request))
        return recoverBeforeCommand(add->folder, console, folders)
                   ? runAddTicket(*add, console, folders)
                   : kExitFailure;
    if (const auto* remove = std::get_if<RemoveTicketRequest>(&request))
        return recoverBeforeCommand(remove->folder, console, folders)
                   ? runRemoveTicket(*remove, console, folders)
                   : kExitFailure;
    if (const auto* usage = std::get_if<UsageError>(&request)) {
        console.err << "kirikata4-tool: " << usage->message << "\n\n"
                    << usageText(console.language);
        return kExitUsage;
    }
    if (std::holds_alternative<VersionRequest>(request)) {
        console.out << versionText();
        return kExitSuccess;
    }
    console.out << usageText(console.language);
    return kExitSuccess;
}

}  // namespace k4
