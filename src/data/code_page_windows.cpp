// Code page 932 through the system's converter. Windows converts the characters; which bytes
// form a character, and what a malformed or unassigned one reads as, is decided here, so that
// the files read and write as they do on other platforms (see code_page_converter.h).
#include <windows.h>

#include "data/code_page_converter.h"

namespace k4::code_page {
namespace {

constexpr UINT kCodePage = 932;
// The system converter counts in int; longer texts are converted in pieces of this size.
constexpr qsizetype kMaxPiece = 1 << 20;

bool isSingleByte(unsigned char byte) {
    return byte < 0x80 || (byte >= 0xA1 && byte <= 0xDF);
}

bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool isTrailByte(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

// The number of bytes of the character that starts at `at`: 1 or 2, or 0 when none starts there.
qsizetype characterLength(QByteArrayView bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    if (isSingleByte(byte(at))) return 1;
    if (isLeadByte(byte(at)) && at + 1 < bytes.size() && isTrailByte(byte(at + 1))) return 2;
    return 0;
}

// The number of characters in well-formed bytes, or -1 when some byte starts no character.
qsizetype characterCount(QByteArrayView bytes) {
    qsizetype count = 0;
    for (qsizetype at = 0; at < bytes.size(); ++count) {
        const qsizetype length = characterLength(bytes, at);
        if (length == 0) return -1;
        at += length;
    }
    return count;
}

// Appends the decoded well-formed characters; false, appending nothing, when one of them is
// unassigned.
bool systemDecode(QByteArrayView characters, QString& text) {
    const auto decode = [&](wchar_t* out, int room) {
        return MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, characters.data(),
                                   int(characters.size()), out, room);
    };
    const int length = decode(nullptr, 0);
    if (length <= 0) return false;
    const qsizetype at = text.size();
    text.resize(at + length);
    decode(reinterpret_cast<wchar_t*>(text.data() + at), length);
    return true;
}

void appendDecoded(QByteArrayView characters, QString& text) {
    if (characters.isEmpty() || systemDecode(characters, text)) return;
    for (qsizetype at = 0; at < characters.size();) {
        const qsizetype length = characterLength(characters, at);
        if (!systemDecode(characters.sliced(at, length), text)) text += QChar(u'\xfffd');
        at += length;
    }
}

// Appends the encoded text; false, appending nothing, when a character of it cannot be held.
// Every character of code page 932 is one UTF-16 unit, so a faithful result has as many
// characters as the text has units; that also refuses the system's extra single-byte
// mappings (U+0080 as 0x80, for instance), which do not read back as characters.
bool systemEncode(QStringView text, QByteArray& bytes) {
    BOOL usedDefault = FALSE;
    const auto encode = [&](char* out, int room) {
        return WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS,
                                   reinterpret_cast<const wchar_t*>(text.utf16()), int(text.size()),
                                   out, room, "?", &usedDefault);
    };
    const int length = encode(nullptr, 0);
    if (length <= 0 || usedDefault) return false;
    QByteArray encoded(length, Qt::Uninitialized);
    encode(encoded.data(), length);
    if (usedDefault || characterCount(encoded) != text.size()) return false;
    bytes += encoded;
    return true;
}

void appendEncoded(QStringView text, QByteArray& bytes) {
    if (text.isEmpty() || systemEncode(text, bytes)) return;
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype length = codePointLength(text, at);
        if (!systemEncode(text.sliced(at, length), bytes)) bytes += '?';
        at += length;
    }
}

}  // namespace

QString decodeNonAscii(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        qsizetype end = at;
        for (qsizetype length; end < bytes.size() && end - at < kMaxPiece &&
                               (length = characterLength(bytes, end)) > 0;)
            end += length;
        appendDecoded(bytes.sliced(at, end - at), text);
        if (end < bytes.size() && characterLength(bytes, end) == 0) {
            text += QChar(u'\x7f');  // the byte after it is read on its own
            ++end;
        }
        at = end;
    }
    return text;
}

QByteArray encodeNonAscii(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (qsizetype at = 0; at < text.size();) {
        qsizetype end = qMin(at + kMaxPiece, text.size());
        if (end < text.size() && text.at(end - 1).isHighSurrogate()) ++end;  // keep a pair whole
        appendEncoded(QStringView(text).sliced(at, end - at), bytes);
        at = end;
    }
    return bytes;
}

}  // namespace k4::code_page
