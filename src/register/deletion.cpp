#include "register/deletion.h"

#include "data/data_files.h"
#include "data/file_names.h"
#include "platform/numbers.h"
#include "register/registration.h"

namespace k4 {

std::optional<DeletionPlan> planDeletion(const QStringList& entries, double counter) {
    if (entries.isEmpty()) return std::nullopt;
    DeletionPlan plan;
    for (const QString& entry : entries.mid(1, kHistoryLimit - 1))
        if (!entry.isEmpty()) plan.history.append(entry);
    plan.counter = counter - 1;
    plan.nextRound = plainNumberText(plan.counter + 1);
    return plan;
}

std::optional<QString> deleteNewestResult(DataFiles& files, const QStringList& entries,
                                          const DataFilesState& readFrom) {
    if (entries.isEmpty()) return std::nullopt;
    const std::optional<DeletionPlan> plan = planDeletion(entries, DataFiles::counterIn(readFrom));
    files.commit(
        {{kHistoryFile, plan->history}, {kCounterFile, DataFiles::counterLines(plan->counter)}},
        readFrom);
    return plan->nextRound;
}

}  // namespace k4
