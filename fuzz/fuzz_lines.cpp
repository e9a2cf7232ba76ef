// The line reader and the number-reading rule on arbitrary bytes.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "data/lines.h"
#include "data/number_rule.h"
#include "platform/numbers.h"

namespace {

void check(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "broken property: %s\n", property);
    std::abort();
}

qsizetype lineEnds(QByteArrayView bytes) {
    qsizetype count = 0;
    for (const char byte : bytes) count += byte == '\r' || byte == '\n';
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = k4::readLines(bytes);

    check(lines.size() <= lineEnds(bytes) + 1, "no more lines than line ends plus one");
    check(bytes.isEmpty() == lines.isEmpty(), "only an empty file has no lines");
    check(k4::readLines(bytes, 3) == lines.mid(0, 3), "a limit keeps the first lines");
    for (const QString& line : lines)
        check(!line.contains(u'\r') && !line.contains(u'\n'), "a value holds no line end");

    // What is written reads back as what was meant: exactly, but for characters that came from
    // undecodable bytes (U+FFFD, written as "?"); and a second round trip changes nothing.
    const QStringList reread = k4::readLines(k4::writeLines(lines));
    check(reread.size() == lines.size(), "written lines read back as as many lines");
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (!lines.at(i).contains(QChar::ReplacementCharacter))
            check(reread.at(i) == lines.at(i), "written lines read back unchanged");
    check(k4::readLines(k4::writeLines(reread)) == reread, "a second round trip is stable");

    for (const QString& line : lines) {
        const double value = k4::readNumber(line);
        check(!std::isnan(value), "a number is never NaN");
        if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15)
            check(k4::readNumber(k4::plainNumberText(value)) == value,
                  "a whole counter written as text reads back as itself");
    }
    return 0;
}
