#include "platform/common_texts.h"

namespace k4 {

QString nothingWrittenText(Language language) {
    return inLanguage(language, QStringLiteral("何も書き込んでいません。"),
                      QStringLiteral("Nothing was written."));
}

QString roundsText(qint64 first, qint64 last, Language language) {
    if (first == last)
        return inLanguage(language, QStringLiteral("第 %1 回"), QStringLiteral("round %1"))
            .arg(first);
    return inLanguage(language, QStringLiteral("第 %1 回〜第 %2 回"),
                      QStringLiteral("rounds %1 to %2"))
        .arg(first)
        .arg(last);
}

}  // namespace k4
