#pragma once

#include <QString>
#include <QStringList>

namespace k4 {

// Past draw results, newest first: slot 1 is line 1 of the history file. A slot past the last
// line read is the empty string.
class ResultHistory {
public:
    ResultHistory() = default;
    explicit ResultHistory(QStringList lines) : lines_(std::move(lines)) {}

    QString slot(int k) const {
        return k >= 1 && k <= lines_.size() ? lines_.at(k - 1) : QString();
    }
    const QStringList& lines() const { return lines_; }

private:
    QStringList lines_;
};

}  // namespace k4
