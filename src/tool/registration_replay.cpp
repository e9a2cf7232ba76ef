#include "tool/registration_replay.h"

#include "data/file_names.h"
#include "data/initial_candidates.h"
#include "register/registration.h"

namespace k4 {
namespace {

// The table that reading the candidate file gives. A registration rewrites the file with as
// many lines as it read, so it never has fewer than the table's slots.
CandidateTable tableOf(const QStringList& lines) {
    return CandidateTable::fromLines(lines).value();
}

}  // namespace

RegistrationReplay::RegistrationReplay(std::int32_t counter)
    : candidateLines_(initialCandidateLines()),
      candidates_(tableOf(candidateLines_)),
      counter_(counter) {}

void RegistrationReplay::registerResult(const QString& result) {
    RegistrationPlan plan = planRegistration(result, history_, candidates_, counter_);
    history_ = std::move(plan.history);
    if (plan.candidates) {
        candidateLines_ = std::move(*plan.candidates);
        candidates_ = tableOf(candidateLines_);
    }
    counter_ = plan.counter;
}

QList<FileContent> RegistrationReplay::files() const {
    return {{kHistoryFile, history_},
            {kCandidateFile, candidateLines_},
            {kCounterFile, DataFiles::counterLines(counter_)}};
}

}  // namespace k4
