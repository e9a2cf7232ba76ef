#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The platform's code page 932 converter, for text that is not plain ASCII. Each platform has
// its own source file; both behave byte for byte alike, as code_page.h describes:
//   - bytes below 0x80 are the code points below U+0080 and back,
//   - a byte that starts no character (0x80, 0xA0, 0xFD to 0xFF, a lead byte without a trail
//     byte) reads as U+007F, and the byte after it is read on its own,
//   - a lead and trail byte that code page 932 leaves unassigned read as U+FFFD,
//   - a character that code page 932 cannot hold is written as "?".
namespace k4::code_page {

QString decodeNonAscii(QByteArrayView bytes);
QByteArray encodeNonAscii(const QString& text);

// The number of UTF-16 units of the code point at `at`: 2 for a surrogate pair, else 1 (a lone
// surrogate too, which is no character and is written as "?").
inline qsizetype codePointLength(QStringView text, qsizetype at) {
    return text.at(at).isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate()
               ? 2
               : 1;
}

}  // namespace k4::code_page
