#include "ui/statistics/ticket_book_texts.h"

#include <QLocale>
#include <algorithm>
#include <array>

namespace k4 {
namespace {

QString roundText(qint32 round) {
    return QStringLiteral("第%1回").arg(round);
}

// The outcome as the result column says it: the kind of a win, the outcome's text otherwise.
QString outcomeCell(const SettledRound& round) {
    if (round.outcome == RoundOutcome::Won) return winKindText(*round.win, Language::Japanese);
    return outcomeText(round.outcome, Language::Japanese);
}

std::vector<qint32> roundsWhere(const std::vector<SettledRound>& settled,
                                bool (*wanted)(const SettledRound&)) {
    std::vector<qint32> rounds;
    for (const SettledRound& round : settled)
        if (wanted(round)) rounds.push_back(round.round);
    std::sort(rounds.begin(), rounds.end());
    rounds.erase(std::unique(rounds.begin(), rounds.end()), rounds.end());
    return rounds;
}

}  // namespace

QString yenCell(qint64 yen) {
    return QLocale(QLocale::Japanese).toString(yen) + QStringLiteral(" 円");
}

QString roundsCell(const Ticket& ticket) {
    if (ticket.rounds == 1) return roundText(ticket.firstRound);
    return QStringLiteral("%1〜%2 (%3 回)")
        .arg(roundText(ticket.firstRound), roundText(ticket.lastRound()))
        .arg(ticket.rounds);
}

QString roundResultText(const SettledRound& round) {
    switch (round.outcome) {
        case RoundOutcome::Won:
            return QStringLiteral("%1 %2").arg(outcomeCell(round), yenCell(round.prizeYen));
        case RoundOutcome::AmountUnknown:
            return QStringLiteral("%1 %2").arg(winKindText(*round.win, Language::Japanese),
                                               outcomeText(round.outcome, Language::Japanese));
        case RoundOutcome::Pending:
        case RoundOutcome::ResultUnknown:
        case RoundOutcome::Miss:
            break;
    }
    return outcomeText(round.outcome, Language::Japanese);
}

QString resultsCell(std::span<const SettledRound> rounds) {
    if (rounds.size() == 1) return roundResultText(rounds.front());
    QStringList parts;
    for (const SettledRound& round : rounds)
        if (round.isWin())
            parts << QStringLiteral("%1 %2").arg(roundText(round.round), roundResultText(round));
    for (const RoundOutcome outcome :
         {RoundOutcome::Miss, RoundOutcome::ResultUnknown, RoundOutcome::Pending}) {
        const auto count = std::ranges::count(rounds, outcome, &SettledRound::outcome);
        if (count > 0)
            parts << QStringLiteral("%1 %2 回")
                         .arg(outcomeText(outcome, Language::Japanese))
                         .arg(count);
    }
    return parts.join(QStringLiteral("、"));
}

std::vector<std::span<const SettledRound>> roundsByTicket(
    const TicketBook& book, const std::vector<SettledRound>& settled) {
    std::vector<std::span<const SettledRound>> byTicket;
    byTicket.reserve(book.size());
    std::size_t from = 0;
    for (const Ticket& ticket : book) {
        const std::size_t count = std::min(std::size_t(ticket.rounds), settled.size() - from);
        byTicket.emplace_back(settled.data() + from, count);
        from += count;
    }
    return byTicket;
}

QList<QStringList> totalsRows(const TicketTotals& totals) {
    const QString rate = totals.returnRate().percentText();
    QString wins = QStringLiteral("%1 回").arg(totals.wins);
    if (totals.winsWithoutAmount > 0)
        wins += QStringLiteral(" (うち金額未登録 %1 回)").arg(totals.winsWithoutAmount);
    QString drawn = QStringLiteral("%1 回").arg(totals.roundsDrawn);
    if (totals.roundsWithoutResult > 0)
        drawn += QStringLiteral(" (うち結果不明 %1 回)").arg(totals.roundsWithoutResult);
    return {
        {QStringLiteral("券"), QStringLiteral("%1 枚").arg(totals.tickets)},
        {QStringLiteral("抽せん済みの回"), drawn},
        {QStringLiteral("抽せん済みの回の代金"), yenCell(totals.drawnCostYen)},
        {QStringLiteral("当せん金"), yenCell(totals.prizesYen)},
        {QStringLiteral("当せん"), wins},
        {QStringLiteral("収支"), yenCell(totals.balanceYen())},
        {QStringLiteral("回収率"), rate.isEmpty() ? QStringLiteral("—") : rate},
        {QStringLiteral("未抽せんの回"), QStringLiteral("%1 回 (%2)")
                                             .arg(totals.roundsPending)
                                             .arg(yenCell(totals.pendingCostYen))},
    };
}

QStringList periodHeaders() {
    return {QStringLiteral("期間"),      QStringLiteral("代金"),   QStringLiteral("当せん金"),
            QStringLiteral("収支"),      QStringLiteral("回収率"), QStringLiteral("未抽せん分"),
            QStringLiteral("金額未登録")};
}

QStringList periodRow(const PeriodTotals& period) {
    const TicketTotals& totals = period.totals;
    const QString rate = totals.returnRate().percentText();
    return {period.month == 0 ? QStringLiteral("%1 年").arg(period.year)
                              : QStringLiteral("%1 年 %2 月").arg(period.year).arg(period.month),
            yenCell(totals.drawnCostYen),
            yenCell(totals.prizesYen),
            yenCell(totals.balanceYen()),
            rate.isEmpty() ? QStringLiteral("—") : rate,
            yenCell(totals.pendingCostYen),
            QStringLiteral("%1 回").arg(totals.winsWithoutAmount)};
}

std::vector<qint32> roundsSetAside(const std::vector<SettledRound>& settled) {
    return roundsWhere(settled, [](const SettledRound& round) { return round.prizeRowSetAside; });
}

std::vector<qint32> roundsWithoutAmount(const std::vector<SettledRound>& settled) {
    return roundsWhere(settled, [](const SettledRound& round) {
        return round.outcome == RoundOutcome::AmountUnknown;
    });
}

}  // namespace k4
