#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

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

// One result of the history file with its round: the newest line is round `counter` (the
// counter file's number), each older non-empty line one round earlier. Empty lines never were
// rounds: a registration drops them.
struct HistoryRound {
    qint64 round = 0;
    int line = 0;  // the line of the history file, from 1; 0 for a file of past results
    QString text;  // as stored; an older file may hold a line that is not four digits
};

// The rounds of the history file's `lines` (newest first), oldest first.
std::vector<HistoryRound> historyRounds(const QStringList& lines, std::int32_t counter);

}  // namespace k4
