#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "data/candidate_table.h"
#include "data/data_files.h"

namespace k4 {

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
// (newest first): the result and the non-empty ones among the first 1999 entries become the
// history, so that an empty entry among them leaves the history one line shorter and no older
// entry takes its place; the candidates change as registerInTable() says, and the counter goes
// up by one (see registeredCounter()).
RegistrationPlan planRegistration(const QString& result, const QStringList& entries,
                                  CandidateTable candidates, double counter);

// What a registration does to the candidate table: the lowest slot holding an arrangement of
// `result` is taken out and the result, as drawn, fills the last slot. Returns false, the table
// unchanged, when no slot holds one.
bool registerInTable(CandidateTable& candidates, const QString& result);

// The round counter after a registration: one more, rounded half to even. Throws Overflow when
// it does not fit in 32 bits.
std::int32_t registeredCounter(double counter);

// The files a registration rewrites, in the order it writes them: the history, the candidate
// table only when the result matched one of its combinations, and the counter.
QList<FileLines> registeredFiles(const QStringList& history,
                                 const std::optional<QStringList>& candidates,
                                 std::int32_t counter);

// Takes the candidates and the counter from `readFrom`, what the files held when `entries` were
// read from them, then commits the history, the candidates (on a match) and the counter
// together, while the files still hold `readFrom`. Nothing is written when a file cannot be
// read, when the files changed since (ChangedElsewhere) or when the counter would pass the last
// round the program shows (CounterFull). Returns the next round to show.
QString registerResult(DataFiles& files, const QString& result, const QStringList& entries,
                       const DataFilesState& readFrom);

}  // namespace k4
