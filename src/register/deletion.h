#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace k4 {

class DataFiles;
struct DataFilesState;

// What deleting the newest result changes.
struct DeletionPlan {
    QStringList history;  // the new history file, newest first
    double counter = 0;   // the round counter one lower, not rounded
    QString nextRound;    // what the main window then shows
};

// Deletes the newest of the listed history `entries`: entries 2 to 2000 that are not empty stay.
// Empty when there is nothing to delete, so that the counter keeps naming the latest round.
std::optional<DeletionPlan> planDeletion(const QStringList& entries, double counter);

// Takes the counter from `readFrom`, what the files held when `entries` were read from them, then
// commits the history and the counter together while the files still hold `readFrom`; nothing
// is written when the counter cannot be read, the files changed since (ChangedElsewhere) or the
// list is empty. Returns the next round to show, or nothing when nothing was deleted.
std::optional<QString> deleteNewestResult(DataFiles& files, const QStringList& entries,
                                          const DataFilesState& readFrom);

}  // namespace k4
