#include "tool/backtest.h"

#include <algorithm>
#include <limits>

#include "data/file_names.h"
#include "data/result_history.h"
#include "platform/failure.h"
#include "predict/prediction.h"
#include "tool/registration_replay.h"
#include "tool/statistics.h"

namespace k4 {
namespace {

ScoredRound score(qint64 round, const QString& drawn, QStringList predicted) {
    ScoredRound scored;
    scored.round = round;
    scored.drawn = drawn;
    for (const QString& combination : predicted) {
        scored.hit = scored.hit || isBoxMatch(drawn, combination);
        scored.expected += boxProbability(combination);
    }
    scored.predicted = std::move(predicted);
    return scored;
}

}  // namespace

Backtest runBacktest(const QStringList& history, std::int32_t counter,
                     const BacktestOptions& options, const ReplayProgress& progress) {
    // A registration drops empty lines, so they never were rounds of their own.
    QStringList oldestFirst;
    oldestFirst.reserve(history.size());
    for (auto it = history.crbegin(); it != history.crend(); ++it)
        if (!it->isEmpty()) oldestFirst.append(*it);

    const int total = int(oldestFirst.size());
    const int firstScored = options.last ? std::max(0, total - *options.last) : 0;
    const qint64 counterBefore = qint64(counter) - total;
    if (counterBefore < std::numeric_limits<std::int32_t>::min())
        throw Failure(FailureKind::Overflow, kCounterFile);
    RegistrationReplay replay{std::int32_t(counterBefore)};
    Backtest backtest;
    backtest.rounds.reserve(total - firstScored);
    for (int i = 0; i < total; ++i) {
        const QString& drawn = oldestFirst.at(i);
        if (i >= firstScored) {
            const ResultHistory known(replay.history().mid(0, kHistoryLookback));
            backtest.rounds.push_back(score(qint64(replay.counter()) + 1, drawn,
                                            predict(replay.candidates(), known, options.count)));
        }
        replay.registerResult(drawn);
        if (progress) progress(i + 1, total);
    }
    backtest.replayedCandidates = replay.candidates();
    return backtest;
}

}  // namespace k4
