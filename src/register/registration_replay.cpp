#include "register/registration_replay.h"

#include "data/file_names.h"
#include "data/initial_candidates.h"
#include "register/registration.h"

namespace k4 {

// The shipped candidate file has exactly one line for each slot.
RegistrationReplay::RegistrationReplay(std::int32_t counter)
    : candidates_(CandidateTable::fromLines(initialCandidateLines()).value()), counter_(counter) {}

void RegistrationReplay::registerResult(const QString& result) {
    const std::int32_t counter = registeredCounter(counter_);
    registerInTable(candidates_, result);
    // A replay registers no empty line, so a registration's history rule (the result, then the
    // non-empty ones among the first 1999 entries) comes down to keeping the newest results.
    history_.prepend(result);
    if (history_.size() > kHistoryLimit) history_.removeLast();
    counter_ = counter;
}

QList<FileContent> RegistrationReplay::files() const {
    return {{kHistoryFile, history_},
            {kCandidateFile, candidates_.fileLines()},
            {kCounterFile, DataFiles::counterLines(counter_)}};
}

}  // namespace k4
