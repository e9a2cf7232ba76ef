#include "import/import_messages.h"

#include "data/digits.h"
#include "data/file_names.h"
#include "platform/common_texts.h"
#include "platform/shown_text.h"
#include "register/registration.h"

namespace k4 {
namespace {

// A number of at most three digits where four are wanted is what a spreadsheet leaves of a
// result with leading zeros.
bool lostLeadingZeros(const QString& field) {
    if (field.isEmpty() || field.size() >= kPlaces) return false;
    for (const QChar c : field)
        if (!isDecimalDigit(halfWidthDigit(c))) return false;
    return true;
}

// "3 列目「当せん番号」", or "3 列目" where the file has no header.
QString columnText(int column, const std::optional<Heading>& heading, Language language) {
    QString text = inLanguage(language, QStringLiteral("%1 列目"), QStringLiteral("column %1"))
                       .arg(column + 1);
    if (heading && column < heading->cells.size() && !heading->cells.at(column).isEmpty())
        text += inLanguage(language, QStringLiteral("「%1」"), QStringLiteral(" (%1)"))
                    .arg(shownText(heading->cells.at(column)));
    return text;
}

QString layoutText(const FileLayout& layout, const std::optional<Heading>& heading, bool numbered,
                   Language language) {
    if (layout.items)
        return numbered ? inLanguage(language, QStringLiteral("1 行に回号と結果"),
                                     QStringLiteral("a round and a result a line"))
                        : inLanguage(language, QStringLiteral("1 行に結果 1 件"),
                                     QStringLiteral("one result a line"));
    const QString result = columnText(layout.resultColumn, heading, language);
    if (!layout.roundColumn)
        return inLanguage(language, QStringLiteral("回号なし、結果は %1"),
                          QStringLiteral("no rounds, results in %1"))
            .arg(result);
    return inLanguage(language, QStringLiteral("回号は %1、結果は %2"),
                      QStringLiteral("rounds in %1, results in %2"))
        .arg(columnText(*layout.roundColumn, heading, language), result);
}

QString orderText(ResultOrder order, Language language) {
    switch (order) {
        case ResultOrder::OldestFirst:
            return inLanguage(language, QStringLiteral("古い順のファイル"),
                              QStringLiteral("oldest first"));
        case ResultOrder::NewestFirst:
            return inLanguage(language, QStringLiteral("新しい順のファイル"),
                              QStringLiteral("newest first"));
        case ResultOrder::Unknown:
            return inLanguage(language, QStringLiteral("古い順として読みました"),
                              QStringLiteral("read as oldest first"));
    }
    return {};
}

}  // namespace

QString badLineText(const BadLine& bad, Language language) {
    // The field and a number at once, so that a %-sign in the field is not filled in next.
    const auto text = [&](const QString& ja, const QString& en,
                          std::optional<qint64> number = std::nullopt) {
        const QString message = inLanguage(language, ja, en);
        return number ? message.arg(shownText(bad.field), QString::number(*number))
                      : message.arg(shownText(bad.field));
    };
    switch (bad.problem) {
        case LineProblem::NotFourDigits:
            if (lostLeadingZeros(bad.field))
                return text(
                    QStringLiteral("「%1」は四桁の数字ではありません (表計算ソフトが先頭の 0 "
                                   "を落としたときは、結果の列に「当せん番号」などの見出し"
                                   "があれば四桁に補って読みます)"),
                    QStringLiteral("\"%1\" is not four digits (where a spreadsheet dropped "
                                   "the leading zeros, a header naming the column, such "
                                   "as \"result\", has them put back)"));
            return text(QStringLiteral("「%1」は四桁の数字ではありません"),
                        QStringLiteral("\"%1\" is not four digits"));
        case LineProblem::TooManyItems:
            return text(QStringLiteral("「%1」は項目が多すぎます (前の行は回号と四桁の数字の二つ"
                                       "までです)"),
                        QStringLiteral("\"%1\" has more than a round number and four digits, as "
                                       "the lines before have"));
        case LineProblem::BadRound:
            return text(QStringLiteral("「%1」は回号 (1 以上の整数か第N回) ではありません"),
                        QStringLiteral("\"%1\" is not a round number (a whole number from 1)"));
        case LineProblem::RoundMissing:
            return text(QStringLiteral("「%1」に回号がありません (前の行には回号があります)"),
                        QStringLiteral("\"%1\" has no round number, the lines before have one"));
        case LineProblem::RoundUnexpected:
            return text(QStringLiteral("「%1」に回号があります (前の行にはありません)"),
                        QStringLiteral("\"%1\" has a round number, the lines before have none"));
        case LineProblem::RoundGap:
            return text(QStringLiteral("第 %2 回のはずが第 %1 回です。回号は 1 ずつ増える (新しい"
                                       "順なら減る) 並びでなければなりません"),
                        QStringLiteral("round %1 where round %2 should follow; rounds must go up "
                                       "(or, newest first, down) by one"),
                        bad.expectedRound);
        case LineProblem::RoundTooLate:
            return text(
                QStringLiteral("第 %1 回は取り込めません。次回の回号は 16 ビットの数のため、"
                               "取り込めるのは第 %2 回までです"),
                QStringLiteral("round %1 cannot be imported: the next round is a 16-bit "
                               "number, so the last round to import is %2"),
                bad.expectedRound);
        case LineProblem::BadPrize:
            return text(QStringLiteral("「%1」は当せん金の額ではありません (%2 列目)"),
                        QStringLiteral("\"%1\" is not an amount of yen (column %2)"), bad.column);
        case LineProblem::NoResult:
            return text(QStringLiteral("「%1」には結果の列 (%2 列目) がありません"),
                        QStringLiteral("\"%1\" has nothing in the result column (column %2)"),
                        bad.column);
    }
    return {};
}

QString moreBadLinesText(qsizetype more, Language language) {
    return inLanguage(language, QStringLiteral("… ほかに %1 行の誤りがあります"),
                      QStringLiteral("… and %1 more bad lines"))
        .arg(more);
}

QString headingSkippedText(const Heading& heading, Language language) {
    return inLanguage(language, QStringLiteral("%1 行目「%2」は見出しとして読み飛ばしました。"),
                      QStringLiteral("Line %1 \"%2\" was taken for a header."))
        .arg(heading.line)
        .arg(shownText(heading.text));
}

QString readingSummaryText(const PastResults& read, Language language) {
    const auto* layout = std::get_if<FileLayout>(&read.shape.layout);
    if (!layout) return {};
    QString text = layoutText(*layout, read.shape.heading, read.firstRound.has_value(), language) +
                   inLanguage(language, QStringLiteral("。"), QStringLiteral("; "));
    if (read.firstRound)
        text += inLanguage(language, QStringLiteral("第%1回〜第%2回、"),
                           QStringLiteral("rounds %1 to %2, "))
                    .arg(*read.firstRound)
                    .arg(*read.lastRound());
    text += inLanguage(language, QStringLiteral("%1 件"), QStringLiteral("%1 results"))
                .arg(read.results.size());
    if (read.results.size() > 1)
        text += inLanguage(language, QStringLiteral("、"), QStringLiteral(", ")) +
                orderText(layout->order, language);
    return text;
}

QString prizeColumnsText(const PastResults& read, Language language) {
    const auto* layout = std::get_if<FileLayout>(&read.shape.layout);
    if (!layout || layout->prizeColumns.isEmpty()) return {};
    QStringList columns;
    for (const PrizeColumnAt& prize : layout->prizeColumns)
        columns << columnText(prize.column, read.shape.heading, language);
    const QString named =
        columns.join(inLanguage(language, QStringLiteral("、"), QStringLiteral(", ")));
    if (!layout->roundColumn)
        return inLanguage(language,
                          QStringLiteral("当せん金の列 (%1) は、回号がないため読みません。"),
                          QStringLiteral("The prize columns (%1) are not read: the file has no "
                                         "round numbers to keep them by."))
            .arg(named);
    return inLanguage(language, QStringLiteral("当せん金は %1から読みます。"),
                      QStringLiteral("Prizes are read from %1."))
        .arg(named);
}

QString unclearColumnsText(const UnclearColumns& unclear, const std::optional<Heading>& heading,
                           Language language) {
    QStringList columns;
    for (const int column : unclear.columns) columns << columnText(column, heading, language);
    const QString named =
        columns.join(inLanguage(language, QStringLiteral("、"), QStringLiteral(", ")));
    if (unclear.several)
        return inLanguage(
                   language,
                   QStringLiteral("結果の列が一つに決まりません: %1 がどれも四桁の数字です。"
                                  "見出しで結果の列に「当せん番号」などの名前を付けてください。"),
                   QStringLiteral("the results could be in any of %1, which all hold four "
                                  "digits; name the result column in a header, such as "
                                  "\"result\"."))
            .arg(named);
    return inLanguage(language,
                      QStringLiteral("四桁の数字の結果が並ぶ列がありません (%1 を見ました)。"),
                      QStringLiteral("no column holds results of four digits (looked at %1)."))
        .arg(named.isEmpty()
                 ? inLanguage(language, QStringLiteral("空の列"), QStringLiteral("empty columns"))
                 : named);
}

QList<ReadingProblem> pastResultsProblems(const PastResults& read, Language language) {
    if (!read.isText)
        return {{0, inLanguage(language,
                               QStringLiteral("テキストのファイルではありません。過去の結果を CSV "
                                              "かテキストで保存したファイルを選んでください。"),
                               QStringLiteral("this is not a text file; choose the past results "
                                              "saved as CSV or text."))}};
    QList<ReadingProblem> problems;
    if (const auto* unclear = std::get_if<UnclearColumns>(&read.shape.layout))
        problems.append({0, unclearColumnsText(*unclear, read.shape.heading, language)});
    for (const BadLine& bad : read.badLines)
        problems.append({bad.line, badLineText(bad, language)});
    if (read.badLineCount > read.badLines.size())
        problems.append({0, moreBadLinesText(read.badLineCount - read.badLines.size(), language)});
    if (problems.isEmpty() && read.results.isEmpty())
        problems.append(
            {0, inLanguage(language, QStringLiteral("このファイルには結果がありません。"),
                           QStringLiteral("the file holds no results."))});
    return problems;
}

QStringList readingProblems(const PastResults& read, Language language) {
    QStringList problems;
    for (const ReadingProblem& problem : pastResultsProblems(read, language))
        problems << (problem.line == 0 ? problem.text
                                       : inLanguage(language, QStringLiteral("%1 行目: %2"),
                                                    QStringLiteral("line %1: %2"))
                                             .arg(problem.line)
                                             .arg(problem.text));
    return problems;
}

QString outsideLinesText(const PastResults& read, Language language) {
    QStringList spans;
    for (const std::optional<LineSpan>& span : {read.shape.before, read.after}) {
        if (!span) continue;
        spans << (span->first == span->last
                      ? QString::number(span->first)
                      : inLanguage(language, QStringLiteral("%1〜%2"), QStringLiteral("%1 to %2"))
                            .arg(span->first)
                            .arg(span->last));
    }
    if (spans.isEmpty()) return {};
    const QString japanese = QStringLiteral("%1 行目は表の外の行として読み飛ばしました。");
    const bool oneLine = spans.size() == 1 && !spans.first().contains(u' ');
    return (oneLine
                ? inLanguage(language, japanese,
                             QStringLiteral("Line %1 is outside the table and was skipped."))
                : inLanguage(language, japanese,
                             QStringLiteral("Lines %1 are outside the table and were skipped.")))
        .arg(spans.join(inLanguage(language, QStringLiteral(" 行目と "), QStringLiteral(" and "))));
}

QStringList readingLines(const PastResults& read, Language language) {
    QStringList lines;
    const QList<ReadingProblem> problems = pastResultsProblems(read, language);
    if (!read.isText || std::holds_alternative<UnclearColumns>(read.shape.layout))
        lines << problems.first().text;
    else if (read.badLineCount > 0)
        lines << inLanguage(language, QStringLiteral("%1 行に誤りがあります。"),
                            QStringLiteral("%1 lines are bad."))
                     .arg(read.badLineCount);
    else
        lines << readingSummaryText(read, language);
    if (const QString prizes = prizeColumnsText(read, language); !prizes.isEmpty()) lines << prizes;
    if (read.shape.heading) lines << headingSkippedText(*read.shape.heading, language);
    if (const QString outside = outsideLinesText(read, language); !outside.isEmpty())
        lines << outside;
    return lines;
}

QString planRefusalText(const ImportPlan& plan, Language language) {
    if (const auto* disagrees = std::get_if<RoundDisagrees>(&plan))
        return inLanguage(language,
                          QStringLiteral("第 %1 回の結果がファイルでは %2、このフォルダーの %3 "
                                         "では %4 です。"),
                          QStringLiteral("round %1 is %2 in the file but %4 in %3 of this folder."))
            .arg(disagrees->round)
            .arg(shownText(disagrees->inFile), kHistoryFile, shownText(disagrees->inFolder));
    if (const auto* missing = std::get_if<RoundsMissing>(&plan))
        return inLanguage(language,
                          QStringLiteral("このフォルダーの最新の回の次から %1 が抜けています。"
                                         "ファイルは第 %2 回からです。"),
                          QStringLiteral("%1 are missing after the newest round of this folder; "
                                         "the file begins with round %2."))
            .arg(roundsText(missing->first, missing->last, language))
            .arg(missing->last + 1);
    if (std::holds_alternative<RoundsNeeded>(plan))
        return inLanguage(language,
                          QStringLiteral("このフォルダーにはすでに結果があり、回号のないファイルで"
                                         "はどの結果が新しいのか分かりません。"),
                          QStringLiteral("this folder holds results already, and a file without "
                                         "round numbers cannot tell which of its results are "
                                         "newer."));
    if (const auto* none = std::get_if<NothingNewer>(&plan))
        return inLanguage(language,
                          QStringLiteral("ファイルには、このフォルダーの最新の第 %1 回より新しい"
                                         "結果がありません。"),
                          QStringLiteral("the file holds no result newer than round %1, the "
                                         "newest of this folder."))
            .arg(none->folderRound);
    return {};
}

QString historyKeepsNewestText(qsizetype registered, Language language) {
    if (registered <= kHistoryLimit) return {};
    return inLanguage(language, QStringLiteral("%1 には新しい %2 件が残ります。"),
                      QStringLiteral("%1 keeps the newest %2."))
        .arg(kHistoryFile)
        .arg(kHistoryLimit);
}

}  // namespace k4
