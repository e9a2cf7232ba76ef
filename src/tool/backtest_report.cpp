#include "tool/backtest_report.h"

#include <algorithm>

namespace k4 {
namespace {

// Chances are multiples of 1/10000, so four decimals write them exactly.
constexpr int kChanceDecimals = 4;
constexpr int kFigureDecimals = 2;
constexpr int kPValueDigits = 3;
constexpr int kLabelColumns = 30;
constexpr char32_t kFirstWideCharacter = 0x1100;

// How many terminal columns a text takes: Japanese characters take two.
int columns(const QString& text) {
    int width = 0;
    for (const QChar c : text) width += c.unicode() >= kFirstWideCharacter ? 2 : 1;
    return width;
}

QString row(const QString& label, const QString& value) {
    const int fill = std::max(1, kLabelColumns - columns(label));
    return QStringLiteral("  ") + label + QString(fill, u' ') + value;
}

QString figure(double value) {
    return QString::number(value, 'f', kFigureDecimals);
}

QString percent(double rate) {
    return figure(100 * rate) + u'%';
}

QString pValueText(double p) {
    // The exact tail underflows only far beyond any doubt.
    return p > 0 ? QString::number(p, 'g', kPValueDigits) : QStringLiteral("< 1e-300");
}

// A history line edited by hand may hold anything; such a field is quoted.
QByteArray csvField(const QString& text) {
    QByteArray field = text.toUtf8();
    if (!field.contains(',') && !field.contains('"') && !field.contains('\n')) return field;
    return '"' + field.replace('"', "\"\"") + '"';
}

}  // namespace

QStringList summaryLines(const std::vector<ScoredRound>& rounds, int count, Language language) {
    const auto text = [language](const QString& ja, const QString& en) {
        return inLanguage(language, ja, en);
    };
    const BacktestSummary summary = summarize(rounds);
    const qsizetype empty = std::count_if(
        rounds.begin(), rounds.end(), [](const ScoredRound& r) { return r.predicted.isEmpty(); });
    const QString first = rounds.empty() ? QString() : QString::number(rounds.front().round);
    const QString last = rounds.empty() ? QString() : QString::number(rounds.back().round);
    const QString n = QString::number(summary.rounds);

    QStringList lines;
    lines << text(
                 QStringLiteral("バックテスト: 第 %1 回〜第 %2 回（%3 回）、1 回あたりの予想数 %4"),
                 QStringLiteral("Backtest of rounds %1 to %2 (%3 rounds), %4 combinations a round"))
                 .arg(first, last, n, QString::number(count));
    lines << row(text(QStringLiteral("採点した回数"), QStringLiteral("rounds scored")), n);
    if (empty > 0)
        lines << row(text(QStringLiteral("うち予想が空だった回"),
                          QStringLiteral("of which with no prediction")),
                     QString::number(empty));
    lines << row(text(QStringLiteral("的中数"), QStringLiteral("hits")),
                 QString::number(summary.hits));
    lines << row(text(QStringLiteral("偶然による的中数の期待値"),
                      QStringLiteral("hits expected from chance")),
                 figure(summary.expectedHits));

    const bool anythingExpected = summary.chanceRate > 0;
    QString ratio = anythingExpected ? figure(summary.ratio) : QStringLiteral("-");
    if (anythingExpected)
        ratio +=
            text(QStringLiteral("（95% 区間 %1〜%2）"), QStringLiteral("  (95% interval %1 to %2)"))
                .arg(figure(summary.hitRate.low / summary.chanceRate),
                     figure(summary.hitRate.high / summary.chanceRate));
    lines << row(text(QStringLiteral("的中数 ÷ 期待値"), QStringLiteral("hits / expected")), ratio);
    lines << row(text(QStringLiteral("的中率"), QStringLiteral("hit rate")),
                 percent(summary.rounds > 0 ? double(summary.hits) / summary.rounds : 0) +
                     text(QStringLiteral("（95% 信頼区間 %1〜%2、Wilson）"),
                          QStringLiteral("  (95% interval %1 to %2, Wilson)"))
                         .arg(percent(summary.hitRate.low), percent(summary.hitRate.high)));
    lines << row(text(QStringLiteral("偶然による的中率"), QStringLiteral("hit rate of chance")),
                 percent(summary.chanceRate));
    lines << row(
        text(QStringLiteral("p 値（片側）"), QStringLiteral("p-value (one-sided)")),
        pValueText(summary.pValue) + text(QStringLiteral("（偶然だけで %1 回以上的中する確率）"),
                                          QStringLiteral("  (chance alone giving %1 hits or more)"))
                                         .arg(summary.hits));

    if (!anythingExpected)
        lines << text(QStringLiteral("予想が一度も出なかったため、偶然とは比べられません。"),
                      QStringLiteral("No round had a prediction, so there is nothing to compare "
                                     "with chance."));
    else if (summary.chanceRate < summary.hitRate.low)
        lines << text(
            QStringLiteral("偶然の的中率は 95% 信頼区間より下です: 偶然より多く的中しました。"),
            QStringLiteral("The hit rate of chance lies below the 95% interval: more "
                           "hits than chance alone gives."));
    else if (summary.chanceRate > summary.hitRate.high)
        lines << text(
            QStringLiteral("偶然の的中率は 95% 信頼区間より上です: 偶然より少なく的中しました。"),
            QStringLiteral("The hit rate of chance lies above the 95% interval: fewer "
                           "hits than chance alone gives."));
    else
        lines << text(QStringLiteral("偶然の的中率は 95% 信頼区間の中です: 偶然と区別できません。"),
                      QStringLiteral("The hit rate of chance lies inside the 95% interval: the "
                                     "hits cannot be told apart from chance."));
    return lines;
}

QByteArray csvBytes(const std::vector<ScoredRound>& rounds) {
    QByteArray bytes = "round,drawn,predicted,hit,expected\r\n";
    for (const ScoredRound& round : rounds) {
        bytes += QByteArray::number(round.round) + ',' + csvField(round.drawn) + ',' +
                 csvField(round.predicted.join(u' ')) + ',' + (round.hit ? '1' : '0') + ',' +
                 QByteArray::number(round.expected, 'f', kChanceDecimals) + "\r\n";
    }
    return bytes;
}

}  // namespace k4
