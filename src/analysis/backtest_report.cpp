#include "analysis/backtest_report.h"

#include <QLocale>
#include <algorithm>

#include "data/file_names.h"
#include "money/lottery_money.h"
#include "platform/shown_text.h"
#include "register/registration.h"

namespace k4 {
namespace {

// Chances are multiples of 1/10000, so four decimals write them exactly.
constexpr int kChanceDecimals = 4;
constexpr int kFigureDecimals = 2;
constexpr int kPValueDigits = 3;
constexpr std::size_t kNotesShown = 10;
// The deleted results a note names; it says there are others.
constexpr qsizetype kDeletedShown = 5;

QString figure(double value) {
    return QString::number(value, 'f', kFigureDecimals);
}

QString percent(double rate) {
    return figure(100 * rate) + u'%';
}

// The share of the sales paid out as prizes, "45%".
QString payoutText() {
    return QString::number(kPayoutPercent) + u'%';
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

// A figure's row, labelled in `language`.
SummaryRow row(Language language, const QString& japanese, const QString& english,
               const QString& value) {
    return {inLanguage(language, japanese, english), value};
}

// The rounds scored and N.
QString scopeText(const std::vector<ScoredRound>& rounds, const BacktestSummary& summary, int count,
                  Language language) {
    const QString first = rounds.empty() ? QString() : QString::number(rounds.front().round);
    const QString last = rounds.empty() ? QString() : QString::number(rounds.back().round);
    return inLanguage(language,
                      QStringLiteral("第 %1 回〜第 %2 回（%3 回）、1 回あたりの予想数 %4"),
                      QStringLiteral("rounds %1 to %2 (%3 rounds), %4 combinations a round"))
        .arg(first, last, QString::number(summary.rounds), QString::number(count));
}

// Hits over expected hits, with the 95% interval of that ratio.
QString ratioText(const BacktestSummary& summary, Language language) {
    if (summary.chanceRate <= 0) return QStringLiteral("-");
    return figure(summary.ratio) + inLanguage(language, QStringLiteral("（95% 区間 %1〜%2）"),
                                              QStringLiteral("  (95% interval %1 to %2)"))
                                       .arg(figure(summary.hitRate.low / summary.chanceRate),
                                            figure(summary.hitRate.high / summary.chanceRate));
}

QList<SummaryRow> figureRows(const std::vector<ScoredRound>& rounds, const BacktestSummary& summary,
                             Language language) {
    const qsizetype empty = std::count_if(
        rounds.begin(), rounds.end(), [](const ScoredRound& r) { return r.predicted.isEmpty(); });
    const double hitRate = summary.rounds > 0 ? double(summary.hits) / summary.rounds : 0;

    QList<SummaryRow> rows;
    rows << row(language, QStringLiteral("採点した回数"), QStringLiteral("rounds scored"),
                QString::number(summary.rounds));
    if (empty > 0)
        rows << row(language, QStringLiteral("うち予想が空だった回"),
                    QStringLiteral("of which with no prediction"), QString::number(empty));
    rows << row(language, QStringLiteral("的中数"), QStringLiteral("hits"),
                QString::number(summary.hits))
         << row(language, QStringLiteral("偶然による的中数の期待値"),
                QStringLiteral("hits expected from chance"), figure(summary.expectedHits))
         << row(language, QStringLiteral("的中数 ÷ 期待値"), QStringLiteral("hits / expected"),
                ratioText(summary, language))
         << row(language, QStringLiteral("的中率"), QStringLiteral("hit rate"),
                percent(hitRate) +
                    inLanguage(language, QStringLiteral("（95% 信頼区間 %1〜%2、Wilson）"),
                               QStringLiteral("  (95% interval %1 to %2, Wilson)"))
                        .arg(percent(summary.hitRate.low), percent(summary.hitRate.high)))
         << row(language, QStringLiteral("偶然による的中率"), QStringLiteral("hit rate of chance"),
                percent(summary.chanceRate))
         << row(language, QStringLiteral("p 値（片側）"), QStringLiteral("p-value (one-sided)"),
                pValueText(summary.pValue) +
                    inLanguage(language, QStringLiteral("（偶然だけで %1 回以上的中する確率）"),
                               QStringLiteral("  (chance alone giving %1 hits or more)"))
                        .arg(summary.hits));
    return rows;
}

// The box tickets bought, their cost, the theoretical prizes they won, the balance and the
// return rate against chance's.
QList<SummaryRow> moneyRows(const BacktestSummary& summary, Language language) {
    return {
        row(language, QStringLiteral("購入口数（ゾロ目を除く）"),
            QStringLiteral("box tickets bought"),
            QLocale(QLocale::Japanese).toString(summary.tickets)),
        row(language, QStringLiteral("購入金額（1 口 %1 円）").arg(kUnitYen),
            QStringLiteral("cost (%1 yen a ticket)").arg(kUnitYen),
            yenText(summary.costYen, language)),
        row(language, QStringLiteral("払戻金（理論上の賞金）"),
            QStringLiteral("return (theoretical prizes)"), yenText(summary.returnYen, language)),
        row(language, QStringLiteral("収支"), QStringLiteral("balance"),
            yenText(summary.balanceYen(), language)),
        row(language, QStringLiteral("回収率"), QStringLiteral("return rate"),
            percent(summary.returnRate()) + inLanguage(language, QStringLiteral("（偶然なら %1）"),
                                                       QStringLiteral("  (chance gives %1)"))
                                                .arg(payoutText()))};
}

// The rounds the money at the real prizes counts, and the hits it leaves out.
QString realPrizeHeading(const RealPrizeMoney& money, qsizetype scored, Language language) {
    QString heading = inLanguage(language, QStringLiteral("実際の賞金（採点した %2 回のうち %1 回"),
                                 QStringLiteral("Real prizes, over %1 of the %2 rounds scored"))
                          .arg(money.rounds)
                          .arg(scored);
    if (money.hitsLeftOut > 0)
        heading +=
            inLanguage(language,
                       QStringLiteral("。ボックスの当せん金が分からない回の的中 %1 回を除く"),
                       money.hitsLeftOut == 1
                           ? QStringLiteral(" (left out: %1 round hit whose box prize is "
                                            "not known)")
                           : QStringLiteral(" (left out: %1 rounds hit whose box prize is "
                                            "not known)"))
                .arg(money.hitsLeftOut);
    return heading + inLanguage(language, QStringLiteral("）"), QString());
}

// The box tickets of those rounds, their cost, the real prizes they won, the balance and the
// exact return rate.
QList<SummaryRow> realPrizeRows(const RealPrizeMoney& money, Language language) {
    const QString rate = money.returnRate().percentText();
    return {row(language, QStringLiteral("購入口数（ゾロ目を除く）"),
                QStringLiteral("box tickets bought"),
                QLocale(QLocale::Japanese).toString(money.tickets)),
            row(language, QStringLiteral("購入金額（1 口 %1 円）").arg(kUnitYen),
                QStringLiteral("cost (%1 yen a ticket)").arg(kUnitYen),
                yenText(money.costYen, language)),
            row(language, QStringLiteral("払戻金（実際の賞金）"),
                QStringLiteral("return (real prizes)"), yenText(money.returnYen, language)),
            row(language, QStringLiteral("収支"), QStringLiteral("balance"),
                yenText(money.balanceYen(), language)),
            row(language, QStringLiteral("回収率"), QStringLiteral("return rate"),
                rate.isEmpty() ? QStringLiteral("-") : rate)};
}

// One sentence on where the hit rate of chance lies against the 95% interval of the hit rate.
QString conclusionText(const BacktestSummary& summary, Language language) {
    if (summary.chanceRate <= 0)
        return inLanguage(language,
                          QStringLiteral("予想が一度も出なかったため、偶然とは比べられません。"),
                          QStringLiteral("No round had a prediction, so there is nothing to "
                                         "compare with chance."));
    if (summary.chanceRate < summary.hitRate.low)
        return inLanguage(
            language,
            QStringLiteral("偶然の的中率は 95% 信頼区間より下です: 偶然より多く的中しました。"),
            QStringLiteral("The hit rate of chance lies below the 95% interval: more hits than "
                           "chance alone gives."));
    if (summary.chanceRate > summary.hitRate.high)
        return inLanguage(
            language,
            QStringLiteral("偶然の的中率は 95% 信頼区間より上です: 偶然より少なく的中しました。"),
            QStringLiteral("The hit rate of chance lies above the 95% interval: fewer hits than "
                           "chance alone gives."));
    return inLanguage(
        language, QStringLiteral("偶然の的中率は 95% 信頼区間の中です: 偶然と区別できません。"),
        QStringLiteral("The hit rate of chance lies inside the 95% interval: the hits cannot be "
                       "told apart from chance."));
}

// The note on a candidate table that differs from the one the backtest replayed: which case the
// files show, and what the user can do about it.
QString tableNote(const TableComparison& tables, const StatisticsData& data, Language language) {
    const QString everyRound = inLanguage(
        language,
        u"すべての回で試すには、過去の結果のファイルでバックテストしてください (画面では"
        u"「履歴」で選び、kirikata4-tool では --results FILE)。",
        u"To backtest every round, use a file of past results (in the window, choose it as the "
        u"history; kirikata4-tool backtest takes --results FILE).");
    const QString restore = inLanguage(
        language, u"「ファイル → バックアップから戻す…」で戻してください。",
        u"restore it with ファイル → バックアップから戻す… (File → Restore from backup).");
    const qsizetype results = qsizetype(data.rounds.size());
    const auto firstRound = data.rounds.front().round;
    switch (tables.difference) {
        case TableDifference::None:
            break;
        case TableDifference::HistoryCut:
            return inLanguage(language,
                              QStringLiteral("注意: %1 は新しい %2 件だけを残すため、バックテストは"
                                             "第 %3 回からの %2 件を初期の候補から登録し直した"
                                             "並びで予想しています。"),
                              QStringLiteral("Note: %1 keeps the newest %2 results only, so the "
                                             "backtest predicts with the table those %2 results "
                                             "from round %3 on replay to from the initial one. "))
                       .arg(kHistoryFile)
                       .arg(kHistoryLimit)
                       .arg(firstRound) +
                   everyRound;
        case TableDifference::NotATable:
            return inLanguage(
                       language,
                       QStringLiteral("注意: %1 は、570 通りの組み合わせを一つずつ並べた"
                                      "ものではありません (手で書き換えたか、ほかのプログラム"
                                      "のファイルです)。バックテストは %2 の結果を初期の候補"
                                      "から登録し直した並びで予想しています。予想の画面はこの"
                                      "ファイルのまま予想します。バックアップがあれば、"),
                       QStringLiteral("Note: %1 does not hold each of the 570 combinations "
                                      "once (it was edited by hand, or is another program's "
                                      "file). The backtest predicts with the table the "
                                      "results of %2 replay to from the initial one; the "
                                      "main window predicts from the file as it is. If you "
                                      "have a backup, "))
                       .arg(kCandidateFile, kHistoryFile) +
                   restore;
        case TableDifference::OlderRounds:
            return inLanguage(language,
                              QStringLiteral("注意: %1 には第 %2 回からの %3 件しかなく、%4 の並び"
                                             "にはそれより前の回に登録した結果も入っています。"
                                             "バックテストは第 %2 回からの %3 件を初期の候補から"
                                             "登録し直した並びで予想しています。"),
                              QStringLiteral("Note: %1 holds only the %3 results from round %2 on, "
                                             "and %4 holds the results registered in earlier "
                                             "rounds as well. The backtest predicts with the table "
                                             "those %3 results replay to from the initial one. "))
                       .arg(kHistoryFile)
                       .arg(firstRound)
                       .arg(results)
                       .arg(kCandidateFile) +
                   everyRound;
        case TableDifference::Deleted: {
            QString deleted =
                tables.deleted.mid(0, kDeletedShown).join(inLanguage(language, u"、", u", "));
            if (tables.deleted.size() > kDeletedShown)
                deleted += inLanguage(language, u" など", u" and others");
            return inLanguage(
                       language,
                       QStringLiteral("注意: %1 の並びには、%2 にない結果 %3 の登録が残って"
                                      "います (登録したあとで削除した結果です。削除しても並び"
                                      "は戻りません)。バックテストはこの結果を登録しなかった"
                                      "並びで予想し、予想の画面はこれまでどおり %1 の並びで"
                                      "予想します。このままでも使えます。並びも戻すには、"
                                      "その結果を登録する前のバックアップを"),
                       QStringLiteral("Note: %1 still holds the registration of %3, which "
                                      "%2 does not hold: a result registered and then "
                                      "deleted (deleting does not undo its move in the "
                                      "table). The backtest predicts as if it had never "
                                      "been registered; the main window goes on predicting "
                                      "with %1. Nothing needs doing; to undo it in the "
                                      "table too, take a backup made before it was "
                                      "registered and "))
                       .arg(kCandidateFile, kHistoryFile, deleted) +
                   restore;
        }
        case TableDifference::Reordered:
            return inLanguage(
                       language,
                       QStringLiteral("注意: %1 の並びは、%2 の結果を初期の候補から登録し"
                                      "直した並びと違います。組み合わせはそろっているので、"
                                      "並びを手で書き換えたか、ほかのデータのフォルダーの %1 "
                                      "を写したか、削除した結果の組み合わせがそのあとまた"
                                      "出たときです。バックテストは登録し直した並びで予想"
                                      "しています。%2 とそろった並びにするには、三つの"
                                      "ファイルがそろったバックアップを"),
                       QStringLiteral("Note: %1 holds the combinations in another order "
                                      "than the results of %2 replay to from the initial "
                                      "table: it was reordered by hand, copied from another "
                                      "data folder, or a deleted result's combination came "
                                      "again later. The backtest predicts with the replayed "
                                      "table. To have a table that agrees with %2, take a "
                                      "backup of all three files and "))
                       .arg(kCandidateFile, kHistoryFile) +
                   restore;
    }
    return {};
}

}  // namespace

QString yenText(qint64 yen, Language language) {
    return QLocale(QLocale::Japanese).toString(yen) +
           inLanguage(language, QStringLiteral(" 円"), QStringLiteral(" yen"));
}

SummaryText summaryText(const std::vector<ScoredRound>& rounds, int count, Language language,
                        const PrizeTable& prizes) {
    const BacktestSummary summary = summarize(rounds);
    SummaryText text;
    text.scope = scopeText(rounds, summary, count, language);
    text.heading =
        inLanguage(language, QStringLiteral("バックテスト: "), QStringLiteral("Backtest of ")) +
        text.scope;
    text.rows = figureRows(rounds, summary, language);
    text.moneyRows = moneyRows(summary, language);
    if (const RealPrizeMoney real = realPrizeMoney(rounds, prizes); real.pricedRounds > 0) {
        text.realPrizeHeading = realPrizeHeading(real, qsizetype(rounds.size()), language);
        text.realPrizeRows = realPrizeRows(real, language);
    }
    text.conclusion = conclusionText(summary, language);
    text.prizeNote =
        inLanguage(
            language,
            QStringLiteral(
                "払戻金は売上の %1 が賞金になるとした理論上の額で、実際の各回の賞金はその回の"
                "売上と当せん口数で変わります。"),
            QStringLiteral(
                "The return counts theoretical prizes, %1 of the sales paid out; the real "
                "prize of a round depends on its sales and its winners."))
            .arg(payoutText());
    return text;
}

QString refusalText(BacktestRefusal refusal, const QString& historyFile, qsizetype results,
                    std::int32_t counter, Language language) {
    switch (refusal) {
        case BacktestRefusal::NoResults:
            return inLanguage(language,
                              QStringLiteral("%1 に結果がないため、採点する回がありません。"),
                              QStringLiteral("%1 holds no results: no round to score."))
                .arg(historyFile);
        case BacktestRefusal::NoFourDigitResults:
            return inLanguage(language,
                              QStringLiteral("%1 に四桁の数字の結果がないため、採点する回が"
                                             "ありません。"),
                              QStringLiteral("%1 holds no result of four digits: no round to "
                                             "score."))
                .arg(historyFile);
        case BacktestRefusal::CounterBelowResults:
            return inLanguage(
                       language,
                       QStringLiteral("%4 の回数 %1 が %2 の結果の数 %3 より小さいため、"
                                      "各結果の回号が決まりません。%4 を直してください。"),
                       QStringLiteral("the round counter of %4, %1, is smaller than the "
                                      "%3 results of %2, so the results have no round numbers; "
                                      "correct %4."))
                .arg(counter)
                .arg(historyFile)
                .arg(results)
                .arg(kCounterFile);
    }
    return {};
}

QStringList backtestNotes(const Backtest& backtest, const StatisticsData& data, Language language) {
    const std::vector<HistoryRound>& unscored = backtest.unscored;
    QStringList notes;
    for (std::size_t i = 0; i < std::min(unscored.size(), kNotesShown); ++i)
        notes << inLanguage(language,
                            QStringLiteral("注意: %4 の %1 行目「%2」（第 %3 回）は四桁の数字"
                                           "ではないため、採点から外しました。"),
                            QStringLiteral("Note: line %1 of %4, \"%2\" (round %3), is not "
                                           "four digits and was left out of the scoring."))
                     // At once, so that a %-sign in the line is not filled in next.
                     .arg(QString::number(unscored[i].line), shownText(unscored[i].text),
                          QString::number(unscored[i].round), kHistoryFile);
    if (unscored.size() > kNotesShown)
        notes << inLanguage(language, QStringLiteral("… ほかに %1 行を採点から外しました。"),
                            QStringLiteral("… and %1 more lines left out."))
                     .arg(unscored.size() - kNotesShown);
    if (!data.prizeProblem.isEmpty())
        notes << inLanguage(language,
                            QStringLiteral("注意: %1 実際の賞金での収支は出していません。"),
                            QStringLiteral("Note: %1 The money at the real prizes is not shown."))
                     .arg(data.prizeProblem);
    const TableComparison tables = compareTables(data, backtest.replayedCandidates);
    if (tables.difference != TableDifference::None) notes << tableNote(tables, data, language);
    return notes;
}

QByteArray csvBytes(const std::vector<ScoredRound>& rounds, const PrizeTable& prizes) {
    const bool realPrizes = realPrizeMoney(rounds, prizes).pricedRounds > 0;
    QByteArray bytes = "round,drawn,predicted,hit,expected,tickets,cost,return,balance";
    bytes += realPrizes ? ",real_prize\r\n" : "\r\n";
    qint64 balance = 0;
    for (const ScoredRound& round : rounds) {
        balance += round.returnYen - round.costYen();
        bytes += QByteArray::number(round.round) + ',' + csvField(round.drawn) + ',' +
                 csvField(round.predicted.join(u' ')) + ',' + (round.hit ? '1' : '0') + ',' +
                 QByteArray::number(round.expected, 'f', kChanceDecimals) + ',' +
                 QByteArray::number(round.tickets) + ',' + QByteArray::number(round.costYen()) +
                 ',' + QByteArray::number(round.returnYen) + ',' + QByteArray::number(balance);
        if (realPrizes) {
            const std::optional<qint64> prize = realBoxPrize(round, prizes);
            bytes += ',' + (prize ? QByteArray::number(*prize) : QByteArray());
        }
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace k4
