#pragma once

#include <QFutureWatcher>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "analysis/backtest.h"
#include "analysis/statistics_data.h"

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
// the cumulative hits against chance and a sentence that says what they mean. Every change of N
// or K recomputes on a worker thread; a newer computation cancels the older one.
class BacktestPage : public QWidget {
    Q_OBJECT

public:
    // `count` starts N, as the main window's count box holds it.
    BacktestPage(Services& services, int count, QWidget* parent = nullptr);
    ~BacktestPage() override;

    // Shows the figures of `data`, recomputing them.
    void showData(std::shared_ptr<const StatisticsData> data);

    // The computation running or last run.
    QFuture<Backtest> computation() const { return watcher_.future(); }

signals:
    // The figures of a finished computation are on the page.
    void computed();

private:
    QHBoxLayout* createControls(int count);
    QHBoxLayout* createSummary();
    void recompute();
    void finished();
    void showBacktest(const Backtest& backtest);
    void showRefusal(const QString& reason);
    void saveCsv();
    void saveChart();
    // Writes what `bytesOf` makes of the shown backtest to a file the user picks; a file that
    // cannot be written is reported, and the program goes on.
    void save(const QString& caption, const QString& suggestedName, const QString& filter,
              const std::function<QByteArray(const Backtest&)>& bytesOf);

    Services& services_;
    std::shared_ptr<const StatisticsData> data_;
    std::optional<Backtest> shown_;  // the backtest whose figures are on the page
    QFutureWatcher<Backtest> watcher_;
    QSpinBox* countBox_;
    QSpinBox* lastBox_;
    QProgressBar* busy_;
    QLabel* busyLabel_;
    FigureTable* figures_;
    FigureTable* money_;
    QLabel* conclusion_;
    QLabel* prizeNote_;  // the prizes are theoretical
    QLabel* notes_;
    ChartWidget* chart_;
    QPushButton* saveCsvButton_;
    QPushButton* saveChartButton_;
};

}  // namespace k4
