#include "register/result_input.h"

#include <algorithm>

namespace k4 {
namespace {

constexpr qsizetype kResultLength = 4;

bool isTrimmedSpace(QChar c) {
    return c == u' ' || c == u'\u3000';
}

// A Japanese input method types ０ to ９.
QChar halfWidthDigit(QChar c) {
    return c >= u'０' && c <= u'９' ? QChar(u'0' + (c.unicode() - u'０')) : c;
}

}  // namespace

std::optional<QString> storedResult(const QString& typed) {
    qsizetype first = 0;
    qsizetype end = typed.size();
    while (first < end && isTrimmedSpace(typed.at(first))) ++first;
    while (end > first && isTrimmedSpace(typed.at(end - 1))) --end;

    QString result = typed.mid(first, end - first);
    std::transform(result.begin(), result.end(), result.begin(), halfWidthDigit);
    const bool fourDigits =
        result.size() == kResultLength &&
        std::all_of(result.begin(), result.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return fourDigits ? std::optional(result) : std::nullopt;
}

}  // namespace k4
