#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "data/candidate_table.h"
#include "data/data_files.h"

namespace k4 {

// The data folder as registering results one by one in the registration window leaves it,
// starting from the shipped initial files. The state stays in memory and holds only what a
// registration reads (the newest 2000 results, the candidate table, the counter), so a long list
// of results is replayed quickly and without reading or writing a file; each step follows the
// window's own registration rules.
class RegistrationReplay {
public:
    // The initial files, with the round counter at `counter` (the round before the first
    // result to be registered).
    explicit RegistrationReplay(std::int32_t counter = 0);

    // Registers `result` (a non-empty line, as stored) exactly as 登録終了 does. Throws Overflow,
    // changing nothing, when the counter would not fit.
    void registerResult(const QString& result);

    const CandidateTable& candidates() const { return candidates_; }
    const QStringList& history() const { return history_; }  // newest first
    std::int32_t counter() const { return counter_; }

    // The content of the history, candidate and counter files, in the order a registration
    // writes them.
    QList<FileContent> files() const;

private:
    CandidateTable candidates_;
    QStringList history_;
    std::int32_t counter_;
};

}  // namespace k4
