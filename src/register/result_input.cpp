#include "register/result_input.h"

#include <algorithm>

#include "data/digits.h"

namespace k4 {
namespace {

bool isTrimmedSpace(QChar c) {
    return c == u' ' || c == u'\u3000';
}

}  // namespace

std::optional<QString> storedResult(const QString& typed) {
    qsizetype first = 0;
    qsizetype end = typed.size();
    while (first < end && isTrimmedSpace(typed.at(first))) ++first;
    while (end > first && isTrimmedSpace(typed.at(end - 1))) --end;

    QString result = typed.mid(first, end - first);
    std::transform(result.begin(), result.end(), result.begin(), halfWidthDigit);
    return isFourDigits(result) ? std::optional(result) : std::nullopt;
}

}  // namespace k4
