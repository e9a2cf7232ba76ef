#include "money/ticket_csv.h"

namespace k4 {
namespace {

QByteArray winWord(WinKind kind) {
    switch (kind) {
        case WinKind::Straight:
            return "straight";
        case WinKind::Box:
            return "box";
        case WinKind::SetStraight:
            return "set-straight";
        case WinKind::SetBox:
            return "set-box";
    }
    return {};
}

// What the round did: pending, unknown, miss or the win.
QByteArray resultWord(const SettledRound& round) {
    switch (round.outcome) {
        case RoundOutcome::Pending:
            return "pending";
        case RoundOutcome::ResultUnknown:
            return "unknown";
        case RoundOutcome::Miss:
            return "miss";
        case RoundOutcome::Won:
        case RoundOutcome::AmountUnknown:
            return winWord(*round.win);
    }
    return {};
}

// The prize: the amount won, 0 for a miss, nothing where none is settled.
QByteArray prizeCell(const SettledRound& round) {
    if (round.outcome == RoundOutcome::Miss) return "0";
    return round.outcome == RoundOutcome::Won ? QByteArray::number(round.prizeYen) : QByteArray();
}

}  // namespace

QString ticketKindWord(TicketKind kind) {
    switch (kind) {
        case TicketKind::Straight:
            return QStringLiteral("straight");
        case TicketKind::Box:
            return QStringLiteral("box");
        case TicketKind::Set:
            return QStringLiteral("set");
    }
    return {};
}

QByteArray ticketCsvBytes(const TicketBook& book, const std::vector<SettledRound>& settled) {
    QByteArray bytes = "round,number,kind,units,result,cost,prize\r\n";
    for (const SettledRound& round : settled) {
        const Ticket& ticket = book[std::size_t(round.ticket)];
        // The book holds four digits as the number.
        bytes += QByteArray::number(round.round) + ',' + ticket.number.toLatin1() + ',' +
                 ticketKindWord(ticket.kind).toLatin1() + ',' + QByteArray::number(ticket.units) +
                 ',' + resultWord(round) + ',' + QByteArray::number(round.costYen) + ',' +
                 prizeCell(round) + "\r\n";
    }
    return bytes;
}

}  // namespace k4
