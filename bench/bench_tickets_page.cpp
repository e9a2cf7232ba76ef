// Times the page 購入と収支 on twenty years of tickets: a book of 5,000 tickets of 10 rounds each
// (50,000 ticket-rounds) against a prize file of 7,054 rounds, the history's 2,000 results the
// newest of them:
//  - the statistics window opened on the page, until it is painted (the backtest goes on on its
//    worker thread);
//  - the page alone settling the files and painting them, as after a registration.
// Prints the median of several runs of each.
//
//   QT_QPA_PLATFORM=offscreen bench_tickets_page

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <vector>

#include "data/data_files.h"
#include "data/file_names.h"
#include "data/prize_file.h"
#include "data/ticket_book.h"
#include "platform/file_system.h"
#include "register/registration_replay.h"
#include "support/random_draws.h"
#include "timing.h"
#include "ui/statistics/statistics_window.h"
#include "ui/statistics/tickets_page.h"
#include "window_services.h"

using namespace k4;

namespace {

constexpr int kRounds = 7054;
constexpr int kTickets = 5000;
constexpr int kTicketRounds = 10;
constexpr int kRuns = 9;

// The prize of every round, the result the history's where it keeps the round.
PrizeTable prizesOf(const QStringList& history) {
    const QStringList older = test::randomDraws(kRounds, 7054);
    PrizeTable prizes;
    for (qint32 round = 1; round <= kRounds; ++round) {
        const qsizetype line = kRounds - round;
        const QString result = line < history.size() ? history[line] : older[round - 1];
        prizes[round] = {round, result, 1'000'000 + round, 40'000, 520'000, 20'000};
    }
    return prizes;
}

// A ticket every day and a half for twenty years, of every kind, each for ten rounds.
TicketBook bookOf() {
    const QStringList numbers = test::randomDraws(kTickets, 5000);
    constexpr std::array kKinds{TicketKind::Straight, TicketKind::Box, TicketKind::Set};
    TicketBook book;
    for (int i = 0; i < kTickets; ++i) {
        QString number = numbers[i];
        const TicketKind kind = kKinds[std::size_t(i % 3)];
        if (kind != TicketKind::Straight && number.count(number.front()) == 4) number[0] = u'9';
        if (number.count(number.front()) == 4) number[0] = u'8';
        book.push_back({QDate(2006, 1, 1).addDays(i * 3 / 2),
                        qint32(1 + qint64(i) * (kRounds - kTicketRounds + 1) / kTickets),
                        kTicketRounds, number, kind, 1 + i % 3});
    }
    return book;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QTemporaryDir folder;
    DiskFileSystem files(folder.path());
    RegistrationReplay replay(0);
    for (const QString& result : test::randomDraws(kRounds, 20261209))
        replay.registerResult(result);
    DataFiles dataFiles(files);
    dataFiles.commit(replay.files(), dataFiles.readState());
    const QStringList history = DataFiles::historyIn(dataFiles.readState()).lines();
    dataFiles.commit(
        {{kPrizeFile, prizeFileLines(prizesOf(history))}, {kTicketFile, ticketBookLines(bookOf())}},
        dataFiles.readState());

    bench::WindowServices world(files);
    std::vector<double> opening, refilling;
    for (int run = 0; run <= kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        auto* window = new StatisticsWindow(world.services, 10, [](const QString&) {});
        window->showPage(StatisticsWindow::Page::Tickets);
        window->load();
        QCoreApplication::processEvents();                           // the first paint
        if (run > 0) opening.push_back(timer.nsecsElapsed() / 1e6);  // the first warms caches

        auto* page = window->findChild<TicketsPage*>();
        const DataFilesState state = dataFiles.readState();
        timer.start();
        page->showFiles(state);
        page->repaint();
        if (run > 0) refilling.push_back(timer.nsecsElapsed() / 1e6);
        delete window;
    }

    std::printf("Page 購入と収支, %d tickets (%d ticket-rounds), %d prize rounds (median of %d)\n",
                kTickets, kTickets * kTicketRounds, kRounds, kRuns);
    std::printf("  the window opened on the page and painted:  %7.1f ms  (target < 300)\n",
                bench::median(opening));
    std::printf("  the page settled and painted anew:          %7.1f ms\n",
                bench::median(refilling));
    return 0;
}
