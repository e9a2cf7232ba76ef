#include "platform/shown_text.h"

#include <algorithm>

namespace k4 {
namespace {

constexpr qsizetype kShownCharacters = 40;
// A tab separates cells, and reads as the column rule between them.
const QString kTabShown = QStringLiteral(" │ ");

}  // namespace

QString shownText(QStringView text) {
    QString shown;
    for (const QChar c : text.first(std::min(text.size(), kShownCharacters))) {
        if (c == u'\t')
            shown += kTabShown;
        else if (c.category() == QChar::Other_Control)
            shown += QStringLiteral("<%1>").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            shown += c;
    }
    if (text.size() > kShownCharacters) shown += u'…';
    return shown;
}

}  // namespace k4
