#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "data/candidate_table.h"

namespace k4 {

class DataFiles;

// The history keeps the newest result and at most this many results in all.
inline constexpr int kHistoryLimit = 2000;

// What registering one result changes.
struct RegistrationPlan {
    QStringList history;                    // the new history file, newest first
    std::optional<QStringList> candidates;  // the new candidate file, when a combination matched
    std::int32_t counter = 0;               // the new round counter
    QString nextRound;                      // what the main window then shows
};

// Registers `result` (four characters as stored) on top of the listed history `entries`
// (newest first): the result and the first 1999 non-empty entries become the history, the
// lowest slot holding an arrangement of the result moves to the end of the candidates as the
// result, and the counter goes up by one. Throws Overflow when the counter does not fit.
RegistrationPlan planRegistration(const QString& result, const QStringList& entries,
                                  CandidateTable candidates, double counter);

// Reads the candidate and counter files, then commits the history, the candidates (on a match)
// and the counter together. Nothing is written when a file cannot be read. Returns the next
// round to show.
QString registerResult(DataFiles& files, const QString& result, const QStringList& entries);

}  // namespace k4
