#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "data/candidate_table.h"
#include "data/data_files.h"

namespace k4 {

// The data folder as registering results one by one in the registration window leaves it,
// starting from the shipped initial files or from a folder's own. The state stays in memory and
// holds only what a registration reads (the newest 2000 results, the candidate table, the
// counter), so a long list of results is replayed quickly and without reading or writing a file;
// each step follows the window's own registration rules.
class RegistrationReplay {
public:
    // The initial files, with the round counter at `counter` (the round before the first
    // result to be registered).
    explicit RegistrationReplay(std::int32_t counter = 0);

    // A folder's files: its candidate table, the lines of its history file (newest first) and
    // the round of its newest result, the one before the first registration's round (see
    // registeredCounter()). Of the history it keeps what the first registration keeps: the
    // non-empty ones among the first 1999 lines.
    RegistrationReplay(CandidateTable candidates, const QStringList& history, std::int32_t counter);

    // Registers `result` (a non-empty line, as stored) exactly as 登録終了 does. Throws Overflow,
    // changing nothing, when the counter would not fit.
    void registerResult(const QString& result);

    const CandidateTable& candidates() const { return candidates_; }
    const QStringList& history() const { return history_; }  // newest first
    std::int32_t counter() const { return counter_; }

    // The content of the files the registrations rewrote, in the order a registration writes
    // them: the history, the candidates (from the initial files always, from a folder's only
    // when a result matched a combination) and the counter.
    QList<FileLines> files() const;

private:
    CandidateTable candidates_;
    QStringList history_;
    std::int32_t counter_;
    bool candidatesRewritten_;
};

}  // namespace k4
