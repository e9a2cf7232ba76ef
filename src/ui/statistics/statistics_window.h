#pragma once

#include <QWidget>
#include <functional>

#include "data/data_files_state.h"
#include "ui/statistics/tickets_page.h"

class QTabWidget;

namespace k4 {

class BacktestPage;
class DigitPage;
class ImportPage;
class LookupPage;
class TicketsPage;
struct Services;

// The statistics window 「成績と統計」: three pages of figures on the data folder (the backtest
// of the prediction, the digits drawn, the record of one number), the player's tickets and their
// money, and a page for the import of past results.
// It reads the data files when it opens and again whenever reload() is called, so it never shows
// figures of files that have changed since. It deletes itself when closed.
class StatisticsWindow : public QWidget {
    Q_OBJECT

public:
    // The window's pages. Their tabs stand in the order of the one table of the pages
    // (kPages, statistics_window.cpp), from which the tabs are built and found; a check there
    // holds it to every value up to the last, Import.
    enum class Page { Backtest, Digits, Lookup, Tickets, Import };

    // `count` starts the backtest's N; `imported` gets the next round after an import;
    // `listedPrediction` asks the main window what it lists, for 予想を記録, and is empty where
    // the window runs alone.
    StatisticsWindow(Services& services, int count,
                     std::function<void(const QString& nextRound)> imported,
                     std::function<ListedPrediction()> listedPrediction = {});

    // Shows the window and fills its pages from the data files.
    void load();
    // Reads the data files again and fills the pages anew.
    void reload();
    // Fills the pages anew when another program changed the data files.
    void followFiles();
    void showPage(Page page);
    // Shows the import page with the file of past results at `path` read for an import.
    void importFile(const QString& path);

    BacktestPage* backtestPage() const { return backtest_; }

signals:
    // The window is closing.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Reads the data files and fills the pages.
    void fill();
    // Fills the pages from the data files as read.
    void fill(const DataFilesState& state);
    // Gives the focus to the first input of the page shown.
    void focusPage();
    // The widget of `page`.
    QWidget* pageWidget(Page page) const;

    Services& services_;
    QTabWidget* tabs_;
    BacktestPage* backtest_;
    DigitPage* digits_;
    LookupPage* lookup_;
    TicketsPage* tickets_;
    ImportPage* import_;
    DataFilesState shownFrom_;  // what the files held when the pages were filled
};

}  // namespace k4
