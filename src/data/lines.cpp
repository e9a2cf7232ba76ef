#include "data/lines.h"

#include "data/code_page.h"

namespace k4 {

QStringList readLines(QByteArrayView bytes, qsizetype maxLines) {
    // CR and LF never occur inside a double-byte character of code page 932, so the lines can
    // be found in the bytes and each decoded on its own.
    QStringList lines;
    LineSplitter<QByteArrayView> splitter(bytes);
    while (lines.size() < maxLines) {
        const std::optional<QByteArrayView> line = splitter.next();
        if (!line) break;
        lines.append(decodeCodePage(*line));
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
