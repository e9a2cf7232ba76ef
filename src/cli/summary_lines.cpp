#include "cli/summary_lines.h"

#include <algorithm>

#include "analysis/backtest_report.h"

namespace k4 {
namespace {

// The values start in this column, after the widest label.
constexpr int kLabelColumns = 30;
constexpr char32_t kFirstWideCharacter = 0x1100;

// How many terminal columns a text takes: Japanese characters take two.
int columns(const QString& text) {
    int width = 0;
    for (const QChar c : text) width += c.unicode() >= kFirstWideCharacter ? 2 : 1;
    return width;
}

QString printedRow(const SummaryRow& row) {
    const int fill = std::max(1, kLabelColumns - columns(row.label));
    return QStringLiteral("  ") + row.label + QString(fill, u' ') + row.value;
}

}  // namespace

QStringList summaryLines(const std::vector<ScoredRound>& rounds, int count, Language language) {
    const SummaryText summary = summaryText(rounds, count, language);
    QStringList lines{summary.heading};
    for (const SummaryRow& row : summary.rows + summary.moneyRows) lines << printedRow(row);
    return lines << summary.conclusion << summary.prizeNote;
}

}  // namespace k4
