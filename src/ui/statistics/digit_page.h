#pragma once

#include <QWidget>
#include <memory>

#include "analysis/digit_statistics.h"
#include "analysis/statistics_data.h"

class QComboBox;
class QHBoxLayout;
class QLabel;

namespace k4 {

class FigureTable;

// The page 数字の出現: for the newest 100, 500 or all results, how often each digit came in each
// place, shaded by count, with a chi-square test of a fair draw for each place and a sentence
// that says whether any place departs from chance; below, the box combinations drawn most and
// least often and the longest-waiting ones of the candidate table.
class DigitPage : public QWidget {
    Q_OBJECT

public:
    explicit DigitPage(QWidget* parent = nullptr);

    void showData(std::shared_ptr<const StatisticsData> data);

private:
    QHBoxLayout* createControls();
    QHBoxLayout* createDigitTable();
    QHBoxLayout* createBoxLists();
    void refresh();
    void showDigitCounts(const DigitStatistics& statistics);
    void showBoxes(const DigitStatistics& statistics);
    void showWaiting();

    std::shared_ptr<const StatisticsData> data_;
    QComboBox* scope_;
    QLabel* counted_;
    FigureTable* heatMap_;
    QLabel* verdict_;
    FigureTable* mostDrawn_;
    FigureTable* leastDrawn_;
    QLabel* neverDrawn_;
    FigureTable* waiting_;
};

}  // namespace k4
