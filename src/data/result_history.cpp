#include "data/result_history.h"

#include <algorithm>

namespace k4 {

std::vector<HistoryRound> historyRounds(const QStringList& lines, std::int32_t counter) {
    std::vector<HistoryRound> rounds;
    qint64 round = counter;
    for (int i = 0; i < lines.size(); ++i)
        if (!lines.at(i).isEmpty()) rounds.push_back({round--, i + 1, lines.at(i)});
    std::reverse(rounds.begin(), rounds.end());
    return rounds;
}

}  // namespace k4
