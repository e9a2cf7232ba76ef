#include "data/code_page.h"

#include "data/code_page_converter.h"

namespace k4 {
namespace {

bool isAscii(QByteArrayView bytes) {
    for (const char byte : bytes)
        if (static_cast<unsigned char>(byte) >= 0x80) return false;
    return true;
}

bool isAscii(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x80) return false;
    return true;
}

}  // namespace

QString decodeCodePage(QByteArrayView bytes) {
    // Digit lines, nearly all of every file, need no converter.
    if (isAscii(bytes)) return QString::fromLatin1(bytes);
    return code_page::decodeNonAscii(bytes);
}

QByteArray encodeCodePage(const QString& text) {
    if (isAscii(text)) return text.toLatin1();
    return code_page::encodeNonAscii(text);
}

}  // namespace k4
