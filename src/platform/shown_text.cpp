#include "platform/shown_text.h"

#include <algorithm>

namespace k4 {
namespace {

constexpr qsizetype kShownCharacters = 40;

}  // namespace

QString shownText(QStringView text) {
    QString shown;
    for (const QChar c : text.first(std::min(text.size(), kShownCharacters))) {
        if (c.category() == QChar::Other_Control)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    if (text.size() > kShownCharacters) shown += u'…';
    return shown;
}

}  // namespace k4
