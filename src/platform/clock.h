#pragma once

#include <QDate>
#include <QString>

namespace k4 {

// The calendar, so that tests can fix the day a report is dated.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

// The date as ten characters mm-dd-yyyy, whatever the locale.
QString formatDate(QDate date);

}  // namespace k4
