#include "data/lines.h"

#include "data/code_page.h"

namespace k4 {
namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';

// Where the line that starts at `from` ends, and where the next line starts.
struct LineSpan {
    qsizetype end;
    qsizetype next;
};

LineSpan spanFrom(QByteArrayView bytes, qsizetype from) {
    qsizetype end = from;
    while (end < bytes.size() && bytes[end] != kCr && bytes[end] != kLf) ++end;
    qsizetype next = end;
    if (next < bytes.size()) {
        const bool crLf = bytes[next] == kCr && next + 1 < bytes.size() && bytes[next + 1] == kLf;
        next += crLf ? 2 : 1;
    }
    return {end, next};
}

}  // namespace

QStringList readLines(QByteArrayView bytes, qsizetype maxLines) {
    // CR and LF never occur inside a double-byte character of code page 932, so the lines can
    // be found in the bytes and each decoded on its own.
    QStringList lines;
    for (qsizetype from = 0; from < bytes.size() && lines.size() < maxLines;) {
        const LineSpan span = spanFrom(bytes, from);
        lines.append(decodeCodePage(bytes.sliced(from, span.end - from)));
        from = span.next;
    }
    return lines;
}

QByteArray writeLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encodeCodePage(line);
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace k4
