#include "analysis/backtest.h"

#include <algorithm>

#include "data/box_match.h"
#include "data/digits.h"
#include "data/result_history.h"
#include "money/lottery_money.h"
#include "predict/prediction.h"
#include "register/registration_replay.h"

namespace k4 {
namespace {

ScoredRound score(qint64 round, const QString& drawn, QStringList predicted) {
    ScoredRound scored;
    scored.round = round;
    scored.drawn = drawn;
    for (const QString& combination : predicted) {
        scored.hit = scored.hit || isBoxMatch(drawn, combination);
        scored.expected += boxProbability(combination);
        if (!isBoxTicket(combination)) continue;
        ++scored.tickets;
        if (isBoxMatch(drawn, combination)) scored.returnYen += boxPrizeYen(combination);
    }
    scored.predicted = std::move(predicted);
    return scored;
}

}  // namespace

std::optional<BacktestRefusal> backtestRefusal(const std::vector<HistoryRound>& rounds,
                                               std::int32_t counter) {
    if (rounds.empty()) return BacktestRefusal::NoResults;
    if (std::none_of(rounds.begin(), rounds.end(),
                     [](const HistoryRound& round) { return isFourDigits(round.text); }))
        return BacktestRefusal::NoFourDigitResults;
    if (counter < qint64(rounds.size())) return BacktestRefusal::CounterBelowResults;
    return std::nullopt;
}

std::optional<Backtest> runBacktest(const std::vector<HistoryRound>& rounds,
                                    const BacktestOptions& options, const WorkProgress& progress) {
    const int total = int(rounds.size());
    const int firstScored = options.last ? std::max(0, total - *options.last) : 0;
    RegistrationReplay replay{rounds.empty() ? 0 : std::int32_t(rounds.front().round - 1)};
    Backtest backtest;
    backtest.rounds.reserve(total - firstScored);
    for (int i = 0; i < total; ++i) {
        const HistoryRound& round = rounds.at(i);
        if (i >= firstScored && !isFourDigits(round.text)) {
            backtest.unscored.push_back(round);
        } else if (i >= firstScored) {
            const ResultHistory known(replay.history().mid(0, kHistorySlotsRead));
            backtest.rounds.push_back(
                score(round.round, round.text, predict(replay.candidates(), known, options.count)));
        }
        replay.registerResult(round.text);
        if (!goesOn(progress, i + 1, total)) return std::nullopt;
    }
    backtest.replayedCandidates = replay.candidates();
    return backtest;
}

}  // namespace k4
