#include "import/text_cells.h"

#include <QStringDecoder>
#include <algorithm>

#include "data/code_page.h"
#include "data/digits.h"
#include "data/lines.h"

namespace k4 {
namespace {

bool isSpace(QChar c) {
    return c == u' ' || c == u'\u3000';
}

QStringView trimmedSpaces(QStringView text) {
    while (!text.isEmpty() && isSpace(text.front())) text = text.sliced(1);
    while (!text.isEmpty() && isSpace(text.back())) text.chop(1);
    return text;
}

// A cell without the quotes around it: "…" with its doubled quotes undone, or ="…".
QString unquoted(QStringView cell) {
    cell = trimmedSpaces(cell);
    if (cell.startsWith(u"=\"")) cell = cell.sliced(1);
    if (cell.size() < 2 || !cell.startsWith(u'"') || !cell.endsWith(u'"')) return cell.toString();
    return trimmedSpaces(cell.sliced(1, cell.size() - 2))
        .toString()
        .replace(QStringLiteral("\"\""), QStringLiteral("\""));
}

// Cells separated by `separator`, where a separator inside double quotes belongs to the cell.
QStringList quotedCells(QStringView line, QChar separator) {
    QStringList cells;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype at = 0; at <= line.size(); ++at) {
        if (at < line.size() && line[at] == u'"') quoted = !quoted;
        if (at == line.size() || (line[at] == separator && !quoted)) {
            cells.append(unquoted(line.sliced(start, at - start)));
            start = at + 1;
        }
    }
    return cells;
}

QStringList spaceSeparatedCells(QStringView line) {
    QStringList cells;
    qsizetype at = 0;
    while (true) {
        while (at < line.size() && (isSpace(line[at]))) ++at;
        if (at == line.size()) return cells;
        qsizetype end = at;
        while (end < line.size() && !isSpace(line[end])) ++end;
        cells.append(unquoted(line.sliced(at, end - at)));
        at = end;
    }
}

}  // namespace

// Text in code page 932 beyond ASCII is hardly ever valid UTF-8, and plain ASCII reads the same
// either way.
QString decodePastResultsText(QByteArrayView bytes) {
    if (bytes.startsWith(kUtf8ByteOrderMark))
        return QString::fromUtf8(bytes.sliced(kUtf8ByteOrderMark.size()));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    return utf8.hasError() ? decodeCodePage(bytes) : text;
}

// Past one character in twenty, the control characters are not the odd stray byte of a text.
bool looksLikeText(QStringView text) {
    constexpr qsizetype kLooked = 4096;
    const QStringView start = text.first(std::min(text.size(), kLooked));
    qsizetype odd = 0;
    for (const QChar c : start) {
        const bool lineControl = c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
        if ((c.unicode() < 0x20 && !lineControl) || c == u'\x7f' ||
            c == QChar::ReplacementCharacter)
            ++odd;
    }
    return 20 * odd <= start.size();
}

bool holdsDigit(QStringView line) {
    return std::any_of(line.begin(), line.end(),
                       [](QChar c) { return isDecimalDigit(halfWidthDigit(c)); });
}

QStringList cellsOf(QStringView line) {
    if (trimmedSpaces(line).isEmpty()) return {};
    const QChar separator = separatorOf(line);
    return separator == u' ' ? spaceSeparatedCells(line) : quotedCells(line, separator);
}

QChar separatorOf(QStringView line) {
    if (line.contains(u'\t')) return u'\t';
    if (line.contains(u',')) return u',';
    return u' ';
}

}  // namespace k4
