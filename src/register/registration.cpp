#include "register/registration.h"

#include "data/data_files.h"
#include "data/file_names.h"
#include "platform/failure.h"
#include "platform/numbers.h"

namespace k4 {

RegistrationPlan planRegistration(const QString& result, const QStringList& entries,
                                  CandidateTable candidates, double counter) {
    RegistrationPlan plan;
    plan.counter = registeredCounter(counter);
    plan.nextRound = QString::number(qint64(plan.counter) + 1);

    plan.history.append(result);
    for (const QString& entry : entries.mid(0, kHistoryLimit - 1))
        if (!entry.isEmpty()) plan.history.append(entry);

    if (registerInTable(candidates, result)) plan.candidates = candidates.fileLines();
    return plan;
}

bool registerInTable(CandidateTable& candidates, const QString& result) {
    const std::optional<int> matched = candidates.slotOfBox(result);
    if (matched) candidates.moveToEnd(*matched, result);
    return matched.has_value();
}

std::int32_t registeredCounter(double counter) {
    return toInt32(counter + 1, kCounterFile);
}

QList<FileLines> registeredFiles(const QStringList& history,
                                 const std::optional<QStringList>& candidates,
                                 std::int32_t counter) {
    QList<FileLines> contents = {{kHistoryFile, history}};
    if (candidates) contents.append({kCandidateFile, *candidates});
    contents.append({kCounterFile, DataFiles::counterLines(counter)});
    return contents;
}

QString registerResult(DataFiles& files, const QString& result, const QStringList& entries,
                       const DataFilesState& readFrom) {
    const CandidateTable candidates = DataFiles::candidatesIn(readFrom);
    const double counter = DataFiles::counterIn(readFrom);
    const RegistrationPlan plan = planRegistration(result, entries, candidates, counter);
    // The program must open its data again: a counter past the last round would stop it.
    if (plan.counter > kLargestCounter) throw Failure(FailureKind::CounterFull, kCounterFile);

    files.commit(registeredFiles(plan.history, plan.candidates, plan.counter), readFrom);
    return plan.nextRound;
}

}  // namespace k4
