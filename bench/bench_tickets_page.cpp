// Times the page 購入と収支 on twenty years of tickets (ticket_book_folder.h): a book of 5,000
// tickets of 10 rounds each (50,000 ticket-rounds) against a prize file of 7,054 rounds, the
// history's 2,000 results the newest of them:
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
#include "platform/file_system.h"
#include "ticket_book_folder.h"
#include "timing.h"
#include "ui/statistics/statistics_window.h"
#include "ui/statistics/tickets_page.h"
#include "window_services.h"

using namespace k4;

namespace {

constexpr int kRuns = 9;

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QTemporaryDir folder;
    DiskFileSystem files(folder.path());
    bench::writeTwentyYearsOfTickets(files);
    DataFiles dataFiles(files);

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
                bench::kTickets, bench::kTickets * bench::kRunLength, bench::kRounds, kRuns);
    std::printf("  the window opened on the page and painted:  %7.1f ms  (target < 300)\n",
                bench::median(opening));
    std::printf("  the page settled and painted anew:          %7.1f ms\n",
                bench::median(refilling));
    return 0;
}
