#include "tool/registration_replay.h"

#include "data/file_names.h"
#include "data/initial_candidates.h"
#include "register/registration.h"

namespace k4 {
namespace {

// The table that reading a candidate file of `lines` gives. A registration rewrites the table
// with as many lines as it read, so the first 570 are always there.
CandidateTable tableOf(const QStringList& lines) {
    Q_ASSERT(lines.size() >= CandidateTable::kSlotCount);
    CandidateTable table;
    for (int n = 1; n <= CandidateTable::kSlotCount; ++n) table.slot(n) = lines.at(n - 1);
    return table;
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
