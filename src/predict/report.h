#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <optional>

#include "data/result_history.h"

namespace k4 {

// What the prediction report is made of.
struct ReportInput {
    QString roundText;        // the next round as the main window shows it, printed unchanged
    std::int32_t round = 0;   // that round as a number, from reportRound()
    QStringList predictions;  // the listed combinations; only the first 20 are printed
    ResultHistory history;    // newest first; the newest 100 are printed with their rounds
    QDate date;
};

inline constexpr int kReportLineCount = 45;

// The round number of the report: the number at the start of the round text, rounded half to
// even. Empty when it, or the round 100 results back, does not fit in 32 bits.
std::optional<std::int32_t> reportRound(QStringView roundText);

// The 45 lines of the prediction report.
QStringList reportLines(const ReportInput& input);

}  // namespace k4
