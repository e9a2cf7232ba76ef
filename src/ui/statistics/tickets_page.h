#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "data/data_files_state.h"
#include "data/prize_file.h"
#include "data/ticket_book.h"
#include "money/settlement.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace k4 {

class BalanceChart;
class DataFiles;
class FigureTable;
class TextTableModel;
struct Services;

// What the main window lists after 予想: the next round as its box shows it, and the
// combinations.
struct ListedPrediction {
    QString roundText;
    QStringList combinations;
};

// The page 購入と収支: the player's ticket book (kounyuu4.csv) settled against the results and
// the kept prizes (haitou4.csv). A ticket is recorded from the entry row, or the main window's
// prediction becomes box tickets; each ticket shows what each of its rounds did, and the page
// sums the money, per month or year too, and draws the balance. Where a ticket won in a round
// whose prize is not kept, the round's amounts can be entered by hand. Every change is one
// commit against the files as the page shows them.
class TicketsPage : public QWidget {
    Q_OBJECT

public:
    // `listedPrediction` asks the main window what it lists; empty where the statistics window
    // runs alone, and 予想を記録 is then not offered. `changed` is called after the page wrote a
    // file, so that the window reads the files again.
    TicketsPage(Services& services, std::function<ListedPrediction()> listedPrediction,
                std::function<void()> changed, QWidget* parent = nullptr);

    // Settles the book of the files as read and shows it.
    void showFiles(const DataFilesState& state);

private:
    QLayout* createEntryRow();
    QLayout* createBookButtons();
    QLayout* createTotals();
    void recordTyped();
    void recordPrediction();
    // Records `tickets` in one commit; true when they were written.
    bool record(const TicketBook& tickets);
    void deleteSelected();
    void enterPrizes();
    void saveCsv();
    void showBook();
    void showPeriods();
    // A ticket of the entry row's kind, units and rounds, bought today.
    Ticket ticketOf(const QString& number, TicketKind kind, qint32 firstRound) const;
    // Runs a command that writes the files as the page shows them, then has the window read
    // them again; true when it wrote.
    bool write(const std::function<void(DataFiles&)>& command);

    Services& services_;
    std::function<ListedPrediction()> listedPrediction_;
    std::function<void()> changed_;
    DataFilesState shownFrom_;
    TicketBook book_;
    bool bookReads_ = false;
    std::vector<SettledRound> settled_;
    DrawnRounds drawn_;
    PrizeTable prizes_;
    bool prizesRead_ = false;
    int suggestedRound_ = 1;             // the first round the entry row suggested last
    std::vector<qsizetype> rowTickets_;  // the ticket of each row of the book's table
    QLineEdit* numberBox_;
    QComboBox* kindBox_;
    QSpinBox* unitsBox_;
    QSpinBox* firstRoundBox_;
    QSpinBox* roundsBox_;
    QPushButton* recordButton_;
    QPushButton* predictionButton_;
    QLabel* notes_;
    QTableView* bookTable_;
    TextTableModel* bookModel_;
    QPushButton* deleteButton_;
    QPushButton* prizeButton_;
    QPushButton* saveCsvButton_;
    FigureTable* totalsTable_;
    QComboBox* periodBox_;
    TextTableModel* periodModel_;
    QTableView* periodTable_;
    BalanceChart* chart_;
};

}  // namespace k4
