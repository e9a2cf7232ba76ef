#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "data/candidate_table.h"
#include "data/data_files.h"

namespace k4 {

// The data folder as registering results one by one in the registration window leaves it,
// starting from the shipped initial files. The state stays in memory, so a long list of results
// is replayed without reading or writing a file; each step is the window's own registration.
class RegistrationReplay {
public:
    // The initial files, with the round counter at `counter` (the round before the first
    // result to be registered).
    explicit RegistrationReplay(std::int32_t counter = 0);

    // Registers `result` (as stored: four digits) exactly as 登録終了 does. Throws Overflow when
    // the counter would not fit.
    void registerResult(const QString& result);

    const CandidateTable& candidates() const { return candidates_; }
    const QStringList& history() const { return history_; }  // newest first
    std::int32_t counter() const { return counter_; }

    // The content of the history, candidate and counter files, in the order a registration
    // writes them.
    QList<FileContent> files() const;

private:
    QStringList candidateLines_;  // the candidate file as last written
    CandidateTable candidates_;   // the same file as a registration reads it
    QStringList history_;
    std::int32_t counter_;
};

}  // namespace k4
