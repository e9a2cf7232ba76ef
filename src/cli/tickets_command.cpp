#include "cli/tickets_command.h"

#include <QDir>

#include "cli/output_file.h"
#include "cli/ticket_lines.h"
#include "cli/tool_messages.h"
#include "data/data_files.h"
#include "data/file_names.h"
#include "money/book_keeping.h"
#include "money/settlement.h"
#include "money/ticket_csv.h"
#include "money/ticket_totals.h"
#include "platform/failure.h"
#include "platform/file_system.h"
#include "platform/numbers.h"
#include "register/result_input.h"

namespace k4 {
namespace {

// Runs `work` on the folder's files, the failure it throws told with the folder's path.
template <typename Work>
int onFolder(const QString& folder, Console& console, FolderOpener& folders, Work work) {
    const QString path = QDir(folder).absolutePath();
    try {
        const std::unique_ptr<FileSystem> files = folders.open(path);
        return work(*files);
    } catch (const Failure& failure) {
        console.err << failureText(failure, QDir::toNativeSeparators(path), console.language)
                    << '\n';
        return kExitFailure;
    }
}

}  // namespace

int runTicketsCommand(const TicketsRequest& request, Console& console, FolderOpener& folders) {
    return onFolder(request.folder, console, folders, [&](FileSystem& files) {
        const DataFilesState state = DataFiles(files).readState();
        const TicketBook book = ticketBookIn(state);
        const std::vector<SettledRound> settled =
            settle(book, drawnRoundsIn(state), prizeTableIn(state));
        const Language language = console.language;
        if (book.empty())
            console.out << inLanguage(language, QStringLiteral("%1 に記録された券はありません。"),
                                      QStringLiteral("%1 holds no tickets."))
                               .arg(kTicketFile)
                        << '\n';
        for (const QString& line : ticketLines(book, settled, language))
            console.out << line << '\n';
        console.out << '\n';
        for (const QString& line : ticketTotalsLines(totalsOf(book, settled), language))
            console.out << line << '\n';
        // The notes follow the list on a terminal that shows both streams.
        console.out.flush();
        for (const QString& note : setAsideNotes(settled, language)) console.err << note << '\n';
        if (request.csvFile.isEmpty()) return kExitSuccess;
        return writeOutputFile(request.csvFile, ticketCsvBytes(book, settled), console, folders)
                   ? kExitSuccess
                   : kExitFailure;
    });
}

int runAddTicket(const AddTicketRequest& request, Console& console, FolderOpener& folders) {
    return onFolder(request.folder, console, folders, [&](FileSystem& fileSystem) {
        DataFiles files(fileSystem);
        const DataFilesState state = files.readState();
        const Language language = console.language;
        Ticket ticket;
        ticket.bought = console.clock.today();
        ticket.number = storedResult(request.number).value_or(request.number);
        ticket.kind = request.kind;
        ticket.units = request.units;
        ticket.rounds = request.rounds;
        ticket.firstRound =
            request.firstRound.value_or(toInt32(DataFiles::counterIn(state), kCounterFile) + 1);
        if (const QString problem = ticketProblem(ticket); !problem.isEmpty()) {
            console.err << inLanguage(language, QStringLiteral("記録しません: %1"),
                                      QStringLiteral("not recorded: %1"))
                               .arg(problem)
                        << '\n';
            return kExitFailure;
        }
        const std::size_t position = ticketBookIn(state).size() + 1;
        recordTickets(files, {ticket}, state);
        console.out << inLanguage(language, QStringLiteral("券 %1 として記録しました: %2"),
                                  QStringLiteral("Recorded as ticket %1: %2"))
                           .arg(position)
                           .arg(ticketText(ticket, language))
                    << '\n';
        return kExitSuccess;
    });
}

int runRemoveTicket(const RemoveTicketRequest& request, Console& console, FolderOpener& folders) {
    return onFolder(request.folder, console, folders, [&](FileSystem& fileSystem) {
        DataFiles files(fileSystem);
        const DataFilesState state = files.readState();
        const TicketBook book = ticketBookIn(state);
        const Language language = console.language;
        if (request.position > qsizetype(book.size())) {
            console.err << inLanguage(language,
                                      QStringLiteral("券 %1 はありません (%2 の券は %3 枚です)。"),
                                      QStringLiteral("there is no ticket %1: %2 holds %3 tickets."))
                               .arg(request.position)
                               .arg(kTicketFile)
                               .arg(book.size())
                        << '\n';
            return kExitFailure;
        }
        removeTicket(files, request.position - 1, state);
        console.out << inLanguage(language, QStringLiteral("券 %1 を消しました: %2"),
                                  QStringLiteral("Removed ticket %1: %2"))
                           .arg(request.position)
                           .arg(ticketText(book[std::size_t(request.position - 1)], language))
                    << '\n';
        return kExitSuccess;
    });
}

}  // namespace k4
