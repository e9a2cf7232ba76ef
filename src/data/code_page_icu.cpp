// Code page 932 through Qt's ICU-backed converter, as Qt on Linux has it.
#include <QStringConverter>
#include <QStringDecoder>
#include <QStringEncoder>

#include "data/code_page_converter.h"

namespace k4::code_page {
namespace {

// Qt's ICU-backed converter knows code page 932 by this name.
constexpr const char* kCodePageName = "windows-31j";

// ICU's table for code page 932 swaps three control codes the way IBM's host code pages do
// (byte 0x1A is U+001C, 0x1C is U+007F, 0x7F is U+001A) and substitutes U+001A for bytes it
// cannot decode. Windows maps every byte below 0x80 to the same code point, so the swap is
// undone on the way in and done on the way out; an undecodable byte thus reads as U+007F.
// Each control code as Windows reads it, with the code point ICU gives it.
struct SwappedCode {
    char16_t windows;
    char16_t icu;
};
constexpr SwappedCode kSwappedCodes[] = {
    {u'\x1a', u'\x1c'}, {u'\x1c', u'\x7f'}, {u'\x7f', u'\x1a'}};

char16_t fromIcu(char16_t c) {
    for (const SwappedCode& code : kSwappedCodes)
        if (c == code.icu) return code.windows;
    return c;
}

char16_t toIcu(char16_t c) {
    for (const SwappedCode& code : kSwappedCodes)
        if (c == code.windows) return code.icu;
    return c;
}

QString mapped(QString text, char16_t (*map)(char16_t)) {
    for (QChar& c : text) c = QChar(map(c.unicode()));
    return text;
}

// ICU substitutes a double-byte character for what it cannot encode, drops a lone surrogate
// and encodes a few characters one way only (U+F86F as the bytes of U+2116), where Windows
// gives "?": a character counts as encoded only when its bytes read back as itself.
QByteArray encodeExactly(QStringView text) {
    QStringEncoder encoder(kCodePageName);
    const QByteArray bytes = encoder.encode(mapped(text.toString(), toIcu));
    return encoder.hasError() || decodeNonAscii(bytes) != text ? QByteArray() : bytes;
}

}  // namespace

QString decodeNonAscii(QByteArrayView bytes) {
    // The converter keeps a lead byte at the very end waiting for its trail byte and would drop
    // it; a line feed after the bytes makes it give that byte up as undecodable.
    QByteArray terminated = bytes.toByteArray();
    terminated += '\n';
    QStringDecoder decoder(kCodePageName);
    QString text = decoder.decode(terminated);
    text.chop(1);
    return mapped(std::move(text), fromIcu);
}

QByteArray encodeNonAscii(const QString& text) {
    const QByteArray whole = encodeExactly(text);
    if (!whole.isEmpty() || text.isEmpty()) return whole;
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = codePointLength(text, i);
        const QByteArray one = encodeExactly(QStringView(text).sliced(i, length));
        bytes += one.isEmpty() ? QByteArray("?") : one;
        i += length;
    }
    return bytes;
}

}  // namespace k4::code_page
