#include "cli/summary_lines.h"

#include <algorithm>

#include "analysis/backtest_report.h"

namespace k4 {
namespace {

// The values start in this column, after the widest label.
constexpr int kLabelColumns = 30;
constexpr char32_t kFirstWideCharacter = 0x1100;

}  // namespace

int terminalColumns(const QString& text) {
    int width = 0;
    for (const QChar c : text) width += c.unicode() >= kFirstWideCharacter ? 2 : 1;
    return width;
}

QString figureLine(const QString& label, const QString& value) {
    const int fill = std::max(1, kLabelColumns - terminalColumns(label));
    return QStringLiteral("  ") + label + QString(fill, u' ') + value;
}

QStringList summaryLines(const std::vector<ScoredRound>& rounds, int count, Language language,
                         const PrizeTable& prizes) {
    const SummaryText summary = summaryText(rounds, count, language, prizes);
    QStringList lines{summary.heading};
    for (const SummaryRow& row : summary.rows + summary.moneyRows)
        lines << figureLine(row.label, row.value);
    if (!summary.realPrizeRows.isEmpty()) {
        lines << summary.realPrizeHeading;
        for (const SummaryRow& row : summary.realPrizeRows)
            lines << figureLine(row.label, row.value);
    }
    return lines << summary.conclusion << summary.prizeNote;
}

}  // namespace k4
