#include "predict/report.h"

#include <cmath>
#include <limits>

#include "data/number_rule.h"
#include "platform/clock.h"
#include "platform/numbers.h"
#include "version.h"

namespace k4 {
namespace {

const QString kDashLine = QString(78, u'-');
const QString kSpaceLine = QStringLiteral(" ");
const QString kOrdinal = QStringLiteral(" 第 ");
const QString kTitle =
    QStringLiteral(" 回 キリカータ ４ ＢＯＸ 予想結果; Vr_") + kProgramVersion + u' ';
const QString kTableHeading =
    QStringLiteral("  回  :            回  :            回  :            回  :過去１００回の結果");
// The maker's addresses, each after its label, ideographic spaces (U+3000) and one space.
const QString kHomePageAddress = QStringLiteral("http://kirikata4.example.invalid/");
const QString kContactAddress = QStringLiteral("kirikata4@example.invalid");
const QString kHomePage = QStringLiteral("ホームページ\u3000\u3000 ") + kHomePageAddress;
const QString kContact = QStringLiteral("作者に意見等は\u3000 ") + kContactAddress;

// Four rows of five predictions.
constexpr int kPredictionRows = 4;
constexpr int kPredictionsPerRow = 5;
const QString kBeforePrediction = QStringLiteral("    ");
const QString kRowEnd = QStringLiteral(" ");

// The results table: 25 rows of four columns, history slot j paired with round R - j.
constexpr int kHistoryRows = 25;
constexpr int kHistoryColumns = 4;
const QString kBeforeResult = QStringLiteral(" :( ");
const QString kAfterResult = QStringLiteral(" )  ");
const QString kAfterLastResult = QStringLiteral(" )");

// The oldest round printed is R - 100, which must fit as well.
constexpr int kRoundsBack = kHistoryRows * kHistoryColumns;
constexpr double kLowestRound = double(std::numeric_limits<std::int32_t>::min()) + kRoundsBack;
constexpr double kHighestRound = std::numeric_limits<std::int32_t>::max();

// A round number right-aligned in five characters; longer ones keep their last five.
constexpr qsizetype kFieldWidth = 5;
QString numberField(std::int32_t x) {
    return (QString(kFieldWidth, u' ') + numberText(x)).right(kFieldWidth);
}

QString predictionRow(const QStringList& predictions, int first) {
    QString row;
    for (int i = first; i < first + kPredictionsPerRow; ++i)
        row += kBeforePrediction + predictions.value(i);
    return row + kRowEnd;
}

QString historyRow(const ResultHistory& history, std::int32_t round, int k) {
    const std::int32_t r = round - k;
    QString row;
    for (int c = 0; c < kHistoryColumns; ++c) {
        row += numberField(r - kHistoryRows * c) + kBeforeResult +
               history.slot(k + kHistoryRows * c) +
               (c < kHistoryColumns - 1 ? kAfterResult : kAfterLastResult);
    }
    return row;
}

}  // namespace

std::optional<std::int32_t> reportRound(QStringView roundText) {
    const double rounded = std::nearbyint(readNumber(roundText));  // a half to the even one
    if (!(rounded >= kLowestRound && rounded <= kHighestRound)) return std::nullopt;
    return toInt32(rounded);
}

QStringList reportLines(const ReportInput& input) {
    QStringList lines;
    lines.reserve(kReportLineCount);
    lines << kDashLine << kSpaceLine << formatDate(input.date) + kOrdinal + input.roundText + kTitle
          << kSpaceLine << kDashLine << kSpaceLine;
    for (int row = 0; row < kPredictionRows; ++row)
        lines << predictionRow(input.predictions, row * kPredictionsPerRow) << kSpaceLine;
    lines << kDashLine << kTableHeading << kDashLine;
    for (int k = 1; k <= kHistoryRows; ++k) lines << historyRow(input.history, input.round, k);
    lines << kDashLine << kHomePage << kContact;
    return lines;
}

}  // namespace k4
