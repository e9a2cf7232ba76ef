#include "import/import_messages.h"

#include "platform/shown_text.h"
#include "register/registration.h"

namespace k4 {

QString badLineText(const BadLine& bad, Language language) {
    const auto text = [&](const QString& ja, const QString& en) {
        return inLanguage(language, ja, en).arg(shownText(bad.field));
    };
    switch (bad.problem) {
        case LineProblem::NotFourDigits:
            return text(QStringLiteral("「%1」は四桁の数字ではありません"),
                        QStringLiteral("\"%1\" is not four digits"));
        case LineProblem::TooManyFields:
            return text(QStringLiteral("「%1」は項目が多すぎます (回号と四桁の数字の二つまでです)"),
                        QStringLiteral("\"%1\" has more than a round number and four digits"));
        case LineProblem::BadRound:
            return text(QStringLiteral("「%1」は回号 (1 以上の整数) ではありません"),
                        QStringLiteral("\"%1\" is not a round number (a whole number from 1)"));
        case LineProblem::RoundMissing:
            return text(QStringLiteral("「%1」に回号がありません (前の行には回号があります)"),
                        QStringLiteral("\"%1\" has no round number, the lines before have one"));
        case LineProblem::RoundUnexpected:
            return text(QStringLiteral("「%1」に回号があります (前の行にはありません)"),
                        QStringLiteral("\"%1\" has a round number, the lines before have none"));
        case LineProblem::RoundGap:
            return text(QStringLiteral(
                            "第 %2 回のはずが第 %1 回です。回号は 1 ずつ増えなければなりません"),
                        QStringLiteral("round %1 where round %2 should follow; rounds must go "
                                       "up by one"))
                .arg(bad.expectedRound);
        case LineProblem::RoundTooLate:
            return text(
                       QStringLiteral("第 %1 回は取り込めません。次回の回号は 16 ビットの数のため、"
                                      "取り込めるのは第 %2 回までです"),
                       QStringLiteral("round %1 cannot be imported: the next round is a 16-bit "
                                      "number, so the last round to import is %2"))
                .arg(bad.expectedRound);
    }
    return {};
}

QString moreBadLinesText(qsizetype more, Language language) {
    return inLanguage(language, QStringLiteral("… ほかに %1 行の誤りがあります"),
                      QStringLiteral("… and %1 more bad lines"))
        .arg(more);
}

QString nothingWrittenText(Language language) {
    return inLanguage(language, QStringLiteral("何も書き込んでいません。"),
                      QStringLiteral("Nothing was written."));
}

QString importedRoundsText(const PastImport& imported, Language language) {
    const qint64 last = imported.folder->counter();
    return inLanguage(language, QStringLiteral("第 %1 回〜第 %2 回"),
                      QStringLiteral("rounds %1 to %2"))
        .arg(last - imported.read.resultCount + 1)
        .arg(last);
}

qint64 nextRoundAfter(const PastImport& imported) {
    return qint64(imported.folder->counter()) + 1;
}

QString historyKeepsNewestText(const PastImport& imported, Language language) {
    if (imported.read.resultCount <= kHistoryLimit) return {};
    return inLanguage(language, QStringLiteral("kri4.dat には新しい %1 件が残ります。"),
                      QStringLiteral("kri4.dat keeps the newest %1."))
        .arg(kHistoryLimit);
}

}  // namespace k4
