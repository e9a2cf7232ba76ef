#include "analysis/number_record.h"

#include "data/box_match.h"
#include "predict/prediction.h"

namespace k4 {

NumberRecord numberRecord(const QString& number, const std::vector<HistoryRound>& rounds,
                          const CandidateTable& candidates, int lastCount) {
    NumberRecord record;
    for (auto it = rounds.crbegin(); it != rounds.crend(); ++it) {
        if (!isBoxMatch(it->text, number)) continue;
        ++record.boxDraws;
        record.straightDraws += it->text == number;
        if (int(record.lastDraws.size()) < lastCount) record.lastDraws.push_back(*it);
    }
    record.slot = candidates.slotOfBox(number);
    record.predictable = record.slot && *record.slot >= kFirstPredictableSlot &&
                         *record.slot <= kLastPredictableSlot;
    record.boxTicket = isBoxTicket(number);
    record.boxArrangements = boxArrangements(number);
    return record;
}

}  // namespace k4
