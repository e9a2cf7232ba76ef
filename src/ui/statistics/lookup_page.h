#pragma once

#include <QWidget>
#include <memory>

#include "analysis/statistics_data.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace k4 {

class FigureTable;
struct Services;

// The page 番号を調べる: a number typed as in the registration window, and what the history
// and today's candidate table say of it.
class LookupPage : public QWidget {
    Q_OBJECT

public:
    explicit LookupPage(Services& services, QWidget* parent = nullptr);

    // Keeps `data` and shows the record of the number looked up last again.
    void showData(std::shared_ptr<const StatisticsData> data);

private:
    void lookUpTyped();
    void showRecord();

    Services& services_;
    std::shared_ptr<const StatisticsData> data_;
    QString number_;  // the number looked up last, as stored
    QLineEdit* numberBox_;
    QPushButton* lookUpButton_;
    QLabel* title_;
    FigureTable* record_;
};

}  // namespace k4
