#include "money/settlement.h"

#include "data/box_match.h"
#include "data/data_files.h"
#include "data/digits.h"
#include "data/file_names.h"
#include "money/lottery_money.h"
#include "platform/numbers.h"

namespace k4 {
namespace {

// Where a prize row keeps the prize of each kind of win.
std::optional<qint64> prizeOf(const RoundPrizes& row, WinKind kind) {
    switch (kind) {
        case WinKind::Straight:
            return row.straight;
        case WinKind::Box:
            return row.box;
        case WinKind::SetStraight:
            return row.setStraight;
        case WinKind::SetBox:
            return row.setBox;
    }
    return std::nullopt;
}

// The outcome of one round of `ticket`, whose cost is already set in `settled`.
void settleRound(const Ticket& ticket, const DrawnRounds& drawn, const PrizeTable& prizes,
                 SettledRound& settled) {
    if (settled.round > drawn.newest) return;  // Pending
    const auto held = drawn.results.find(settled.round);
    const auto kept = prizes.find(settled.round);
    const RoundPrizes* row = kept != prizes.end() ? &kept->second : nullptr;
    if (held != drawn.results.end()) {
        if (row && row->result != held->second) {
            settled.prizeRowSetAside = true;
            row = nullptr;
        }
        // An older version let the user register a line that is not a result.
        if (isFourDigits(held->second)) settled.result = held->second;
    } else if (row) {
        settled.result = row->result;
    }
    if (settled.result.isEmpty()) {
        settled.outcome = RoundOutcome::ResultUnknown;
        return;
    }
    settled.win = winOf(ticket.number, ticket.kind, settled.result);
    const std::optional<qint64> prize =
        settled.win && row ? prizeOf(*row, *settled.win) : std::nullopt;
    if (!settled.win) {
        settled.outcome = RoundOutcome::Miss;
    } else if (!prize) {
        settled.outcome = RoundOutcome::AmountUnknown;
    } else {
        settled.outcome = RoundOutcome::Won;
        settled.prizeYen = *prize * ticket.units;
    }
}

}  // namespace

DrawnRounds drawnRoundsOf(const std::vector<HistoryRound>& rounds, qint32 counter) {
    DrawnRounds drawn;
    drawn.newest = counter;
    // A history longer than the counter reaches back below round 1: those lines are no round.
    for (const HistoryRound& round : rounds)
        if (round.round >= 1)
            drawn.results.emplace_hint(drawn.results.end(), qint32(round.round), round.text);
    return drawn;
}

DrawnRounds drawnRoundsIn(const DataFilesState& state) {
    const std::int32_t counter = toInt32(DataFiles::counterIn(state), kCounterFile);
    return drawnRoundsOf(historyRounds(DataFiles::historyIn(state).lines(), counter), counter);
}

std::optional<WinKind> winOf(QStringView number, TicketKind kind, QStringView result) {
    if (!isFourDigits(number) || !isFourDigits(result)) return std::nullopt;
    const bool straight = number == result;
    switch (kind) {
        case TicketKind::Straight:
            if (straight) return WinKind::Straight;
            break;
        case TicketKind::Box:
            if (isSameBox(number, result)) return WinKind::Box;
            break;
        case TicketKind::Set:
            if (straight) return WinKind::SetStraight;
            if (isSameBox(number, result)) return WinKind::SetBox;
            break;
    }
    return std::nullopt;
}

std::vector<SettledRound> settle(const TicketBook& book, const DrawnRounds& drawn,
                                 const PrizeTable& prizes) {
    std::size_t count = 0;
    for (const Ticket& ticket : book) count += std::size_t(ticket.rounds);
    std::vector<SettledRound> settled;
    settled.reserve(count);
    for (qsizetype index = 0; index < qsizetype(book.size()); ++index) {
        const Ticket& ticket = book[std::size_t(index)];
        for (qint32 round = ticket.firstRound; round <= ticket.lastRound(); ++round) {
            SettledRound& one = settled.emplace_back();
            one.ticket = index;
            one.round = round;
            one.costYen = kUnitYen * ticket.units;
            settleRound(ticket, drawn, prizes, one);
        }
    }
    return settled;
}

QString outcomeText(RoundOutcome outcome, Language language) {
    switch (outcome) {
        case RoundOutcome::Pending:
            return inLanguage(language, u"未抽せん", u"not drawn");
        case RoundOutcome::ResultUnknown:
            return inLanguage(language, u"結果不明", u"result unknown");
        case RoundOutcome::Miss:
            return inLanguage(language, u"はずれ", u"no win");
        case RoundOutcome::Won:
            return inLanguage(language, u"当せん", u"won");
        case RoundOutcome::AmountUnknown:
            return inLanguage(language, u"金額未登録", u"amount unknown");
    }
    return {};
}

QString winKindText(WinKind kind, Language language) {
    switch (kind) {
        case WinKind::Straight:
            return inLanguage(language, u"ストレート", u"straight");
        case WinKind::Box:
            return inLanguage(language, u"ボックス", u"box");
        case WinKind::SetStraight:
            return inLanguage(language, u"セットストレート", u"set-straight");
        case WinKind::SetBox:
            return inLanguage(language, u"セットボックス", u"set-box");
    }
    return {};
}

}  // namespace k4
