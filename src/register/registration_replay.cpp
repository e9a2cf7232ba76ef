#include "register/registration_replay.h"

#include "data/initial_candidates.h"
#include "register/registration.h"

namespace k4 {

// The shipped candidate file has exactly one line for each slot.
RegistrationReplay::RegistrationReplay(std::int32_t counter)
    : candidates_(CandidateTable::fromLines(initialCandidateLines()).value()),
      counter_(counter),
      candidatesRewritten_(true) {}

RegistrationReplay::RegistrationReplay(CandidateTable candidates, const QStringList& history,
                                       std::int32_t counter)
    : candidates_(std::move(candidates)), counter_(counter), candidatesRewritten_(false) {
    for (const QString& entry : history.mid(0, kHistoryLimit - 1))
        if (!entry.isEmpty()) history_.append(entry);
}

void RegistrationReplay::registerResult(const QString& result) {
    const std::int32_t counter = registeredCounter(counter_);
    if (registerInTable(candidates_, result)) candidatesRewritten_ = true;
    // A replay registers no empty line, so a registration's history rule (the result, then the
    // non-empty ones among the first 1999 entries) comes down to keeping the newest results.
    history_.prepend(result);
    if (history_.size() > kHistoryLimit) history_.removeLast();
    counter_ = counter;
}

QList<FileLines> RegistrationReplay::files() const {
    return registeredFiles(
        history_, candidatesRewritten_ ? std::optional(candidates_.fileLines()) : std::nullopt,
        counter_);
}

}  // namespace k4
