#include "register/registration.h"

#include <algorithm>

#include "data/data_files.h"
#include "data/file_names.h"
#include "platform/numbers.h"

namespace k4 {
namespace {

QString sortedCharacters(QString text) {
    std::sort(text.begin(), text.end());
    return text;
}

// Whether `slot` is an arrangement of the result whose characters, sorted, are `sortedResult`:
// the same characters as many times each.
bool isArrangement(const QString& slot, const QString& sortedResult) {
    return slot.size() == sortedResult.size() && sortedCharacters(slot) == sortedResult;
}

}  // namespace

RegistrationPlan planRegistration(const QString& result, const QStringList& entries,
                                  CandidateTable candidates, double counter) {
    RegistrationPlan plan;
    plan.counter = toInt32(counter + 1, kCounterFile);
    plan.nextRound = QString::number(qint64(plan.counter) + 1);

    plan.history.append(result);
    for (const QString& entry : entries.mid(0, kHistoryLimit - 1))
        if (!entry.isEmpty()) plan.history.append(entry);

    const QString sortedResult = sortedCharacters(result);
    for (int n = 1; n <= CandidateTable::kSlotCount; ++n) {
        if (isArrangement(candidates.slot(n), sortedResult)) {
            candidates.slot(n).clear();
            plan.candidates = candidates.fileLines(result);
            break;
        }
    }
    return plan;
}

QString registerResult(DataFiles& files, const QString& result, const QStringList& entries) {
    const CandidateTable candidates = files.readCandidates();
    const double counter = files.readCounter();
    const RegistrationPlan plan = planRegistration(result, entries, candidates, counter);

    QList<FileContent> contents = {{kHistoryFile, plan.history}};
    if (plan.candidates) contents.append({kCandidateFile, *plan.candidates});
    contents.append({kCounterFile, DataFiles::counterLines(plan.counter)});
    files.writeTogether(contents);
    return plan.nextRound;
}

}  // namespace k4
