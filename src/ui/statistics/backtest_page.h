#pragma once

#include <QFutureWatcher>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "analysis/backtest.h"
#include "analysis/backtest_report.h"
#include "analysis/statistics_data.h"

class QComboBox;
class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace k4 {

class ChartWidget;
class FigureTable;
struct Services;

// The page バックテスト: the prediction with N combinations scored against every round of the
// history (or the newest K), as kirikata4-tool backtest scores it, with its figures, a chart of
// the cumulative hits against chance and a sentence that says what they mean; beside the money at
// the theoretical prizes, the money at the real ones where the folder's prize file knows the box
// prizes of scored rounds. The history is the
// data folder's or, chosen instead, a file of past results with every round (as --results). Every
// change of N, K or the history recomputes on a worker thread; a newer computation cancels the
// older one.
class BacktestPage : public QWidget {
    Q_OBJECT

public:
    // `count` starts N, as the main window's count box holds it.
    BacktestPage(Services& services, int count, QWidget* parent = nullptr);
    ~BacktestPage() override;

    // Shows the figures of the data folder's `data`, recomputing them, unless a file of past
    // results is chosen.
    void showData(std::shared_ptr<const StatisticsData> data);

signals:
    // The figures of a finished computation are on the page.
    void computed();

private:
    QHBoxLayout* createControls(int count);
    // The history chosen: the folder's, or a file of past results the user then picks.
    void chooseSource(int index);
    // Backtests `data`, the folder's or a file's.
    void use(std::shared_ptr<const StatisticsData> data);
    QHBoxLayout* createSummary();
    void recompute();
    void finished();
    void showBacktest(const Backtest& backtest);
    // The money at the real prizes of `summary`, hidden where it has none.
    void showRealPrizes(const SummaryText& summary);
    void showRefusal(const QString& reason);
    void saveCsv();
    void saveChart();
    // Writes what `bytesOf` makes of the shown backtest to a file the user picks; a file that
    // cannot be written is reported, and the program goes on.
    void save(const QString& caption, const QString& suggestedName, const QString& filter,
              const std::function<QByteArray(const Backtest&)>& bytesOf);

    Services& services_;
    std::shared_ptr<const StatisticsData> folderData_;
    std::shared_ptr<const StatisticsData> data_;  // the one backtested
    std::optional<Backtest> shown_;               // the backtest whose figures are on the page
    QFutureWatcher<Backtest> watcher_;
    QComboBox* sourceBox_;
    QLabel* sourceLabel_;  // the file chosen and its rounds
    QSpinBox* countBox_;
    QSpinBox* lastBox_;
    QProgressBar* busy_;
    QLabel* busyLabel_;
    FigureTable* figures_;
    FigureTable* money_;
    QLabel* realPrizeHeading_;  // the rounds the money at the real prizes counts
    FigureTable* realPrizeMoney_;
    QLabel* conclusion_;
    QLabel* prizeNote_;  // the prizes are theoretical
    QLabel* notes_;
    ChartWidget* chart_;
    QPushButton* saveCsvButton_;
    QPushButton* saveChartButton_;
};

}  // namespace k4
