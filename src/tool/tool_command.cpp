#include "tool/tool_command.h"

#include "tool/backtest_command.h"
#include "tool/import_command.h"

namespace k4 {

int runTool(const ToolRequest& request, Console& console) {
    if (const auto* import = std::get_if<ImportRequest>(&request))
        return runImport(*import, console);
    if (const auto* backtest = std::get_if<BacktestRequest>(&request))
        return runBacktestCommand(*backtest, console);
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
