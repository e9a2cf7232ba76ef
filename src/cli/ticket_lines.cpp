#include "cli/ticket_lines.h"

#include <QLocale>
#include <algorithm>
#include <set>

#include "analysis/backtest_report.h"
#include "cli/summary_lines.h"
#include "data/file_names.h"
#include "money/lottery_money.h"
#include "money/ticket_csv.h"

namespace k4 {
namespace {

const QString kColumnGap = QStringLiteral("  ");

QString grouped(qint64 number) {
    return QLocale(QLocale::Japanese).toString(number);
}

// `text` filled with spaces to `width` terminal columns, on the right or, for figures, the left.
QString leftAligned(const QString& text, int width) {
    return text + QString(std::max(0, width - terminalColumns(text)), u' ');
}
QString rightAligned(const QString& text, int width) {
    return QString(std::max(0, width - terminalColumns(text)), u' ') + text;
}

QString kindText(TicketKind kind, Language language) {
    return inLanguage(language, ticketKindText(kind), ticketKindWord(kind));
}

// "7051" or "7052-7053" ("7051回", "7052〜7053回").
QString roundsText(qint32 first, qint32 last, Language language) {
    if (first == last)
        return inLanguage(language, QStringLiteral("%1回"), QStringLiteral("%1")).arg(first);
    return inLanguage(language, QStringLiteral("%1〜%2回"), QStringLiteral("%1-%2"))
        .arg(first)
        .arg(last);
}

QString unitsText(int units, Language language) {
    return inLanguage(language, QStringLiteral("%1 口"),
                      units == 1 ? QStringLiteral("%1 unit") : QStringLiteral("%1 units"))
        .arg(units);
}

qint64 ticketCost(const Ticket& ticket) {
    return kUnitYen * ticket.units * ticket.rounds;
}

// What a round did, after its round or run of rounds.
QString outcomeOf(const SettledRound& round, Language language) {
    if (round.outcome == RoundOutcome::Won)
        return winKindText(*round.win, language) + u' ' + yenText(round.prizeYen, language);
    if (round.outcome == RoundOutcome::AmountUnknown)
        return winKindText(*round.win, language) +
               inLanguage(language, QStringLiteral(" "), QStringLiteral(", ")) +
               outcomeText(round.outcome, language);
    return outcomeText(round.outcome, language);
}

// What the rounds of one ticket did, a run of rounds that won nothing alike told once.
QString outcomesText(const std::vector<const SettledRound*>& rounds, Language language) {
    QStringList pieces;
    for (std::size_t i = 0; i < rounds.size();) {
        std::size_t end = i + 1;
        if (!rounds[i]->isWin())
            while (end < rounds.size() && !rounds[end]->isWin() &&
                   rounds[end]->outcome == rounds[i]->outcome)
                ++end;
        pieces << roundsText(rounds[i]->round, rounds[end - 1]->round, language) + u' ' +
                      outcomeOf(*rounds[i], language);
        i = end;
    }
    return pieces.join(inLanguage(language, QStringLiteral("、"), QStringLiteral("; ")));
}

// The columns of a ticket before its outcomes, each as wide as the widest of the book's.
struct TicketColumns {
    int position = 0;
    int rounds = 0;
    int kind = 0;
    int units = 0;
    int cost = 0;
};

TicketColumns columnsOf(const TicketBook& book, Language language) {
    TicketColumns widths;
    widths.position = terminalColumns(QString::number(book.size()));
    for (const TicketKind kind : kTicketKinds)
        widths.kind = std::max(widths.kind, terminalColumns(kindText(kind, language)));
    for (const Ticket& ticket : book) {
        widths.rounds =
            std::max(widths.rounds,
                     terminalColumns(roundsText(ticket.firstRound, ticket.lastRound(), language)));
        widths.units = std::max(widths.units, terminalColumns(unitsText(ticket.units, language)));
        widths.cost = std::max(widths.cost, terminalColumns(yenText(ticketCost(ticket), language)));
    }
    return widths;
}

QString ticketColumns(const Ticket& ticket, const TicketColumns& widths, Language language) {
    return leftAligned(roundsText(ticket.firstRound, ticket.lastRound(), language), widths.rounds) +
           kColumnGap + ticket.number + kColumnGap +
           leftAligned(kindText(ticket.kind, language), widths.kind) + kColumnGap +
           rightAligned(unitsText(ticket.units, language), widths.units) + kColumnGap +
           rightAligned(yenText(ticketCost(ticket), language), widths.cost);
}

}  // namespace

QStringList ticketLines(const TicketBook& book, const std::vector<SettledRound>& settled,
                        Language language) {
    std::vector<std::vector<const SettledRound*>> roundsOf(book.size());
    for (const SettledRound& round : settled) roundsOf[std::size_t(round.ticket)].push_back(&round);
    const TicketColumns widths = columnsOf(book, language);
    QStringList lines;
    lines.reserve(qsizetype(book.size()));
    for (std::size_t i = 0; i < book.size(); ++i)
        lines << kColumnGap + rightAligned(QString::number(i + 1), widths.position) + kColumnGap +
                     ticketColumns(book[i], widths, language) + kColumnGap +
                     outcomesText(roundsOf[i], language);
    return lines;
}

QString ticketText(const Ticket& ticket, Language language) {
    return ticketColumns(ticket, {}, language);
}

QStringList ticketTotalsLines(const TicketTotals& totals, Language language) {
    QString drawn = grouped(totals.roundsDrawn);
    if (totals.roundsWithoutResult > 0)
        drawn += inLanguage(language, QStringLiteral("（うち結果不明 %1）"),
                            QStringLiteral("  (%1 with the result unknown)"))
                     .arg(grouped(totals.roundsWithoutResult));
    QString pending = grouped(totals.roundsPending);
    if (totals.roundsPending > 0)
        pending += inLanguage(language, QStringLiteral("（%1）"), QStringLiteral("  (%1)"))
                       .arg(yenText(totals.pendingCostYen, language));
    QString prizes = yenText(totals.prizesYen, language);
    if (totals.wins > 0) {
        QString wins =
            inLanguage(language, QStringLiteral("当せん %1 回"),
                       totals.wins == 1 ? QStringLiteral("%1 win") : QStringLiteral("%1 wins"))
                .arg(grouped(totals.wins));
        if (totals.winsWithoutAmount > 0)
            wins += inLanguage(language, QStringLiteral("、うち金額未登録 %1 回"),
                               QStringLiteral(", %1 without an amount"))
                        .arg(grouped(totals.winsWithoutAmount));
        prizes +=
            inLanguage(language, QStringLiteral("（%1）"), QStringLiteral("  (%1)")).arg(wins);
    }
    const QString rate = totals.returnRate().percentText();
    const auto line = [language](const QString& japanese, const QString& english,
                                 const QString& value) {
        return figureLine(inLanguage(language, japanese, english), value);
    };
    return {
        line(QStringLiteral("購入した券"), QStringLiteral("tickets"), grouped(totals.tickets)),
        line(QStringLiteral("抽せん済みの回"), QStringLiteral("rounds drawn"), drawn),
        line(QStringLiteral("未抽せんの回"), QStringLiteral("rounds pending"), pending),
        line(QStringLiteral("抽せん済みの回の購入金額"), QStringLiteral("cost of the rounds drawn"),
             yenText(totals.drawnCostYen, language)),
        line(QStringLiteral("当せん金"), QStringLiteral("prizes won"), prizes),
        line(QStringLiteral("収支"), QStringLiteral("balance"),
             yenText(totals.balanceYen(), language)),
        line(QStringLiteral("回収率"), QStringLiteral("return rate"),
             rate.isEmpty() ? QStringLiteral("-") : rate)};
}

QStringList setAsideNotes(const std::vector<SettledRound>& settled, Language language) {
    std::set<qint32> rounds;
    for (const SettledRound& round : settled)
        if (round.prizeRowSetAside) rounds.insert(round.round);
    if (rounds.empty()) return {};
    QStringList named;
    for (const qint32 round : rounds)
        named << inLanguage(language, QStringLiteral("第%1回"), QStringLiteral("%1")).arg(round);
    return {inLanguage(language,
                       QStringLiteral("注意: %1 の %2 の結果が %3 と違うため、その当せん金を"
                                      "使っていません。"),
                       rounds.size() == 1
                           ? QStringLiteral("Note: %1 holds round %2 with another result than %3; "
                                            "its prizes are not used.")
                           : QStringLiteral("Note: %1 holds rounds %2 with other results than %3; "
                                            "their prizes are not used."))
                .arg(kPrizeFile,
                     named.join(inLanguage(language, QStringLiteral("、"), QStringLiteral(", "))),
                     kHistoryFile)};
}

}  // namespace k4
