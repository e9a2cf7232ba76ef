#include "data/code_page.h"

#include <QStringConverter>
#include <QStringDecoder>
#include <QStringEncoder>

namespace k4 {
namespace {

// Qt's ICU-backed converter knows code page 932 by this name.
constexpr const char* kCodePageName = "windows-31j";

// ICU substitutes a double-byte character for what it cannot encode; the files want "?", so
// the text is encoded again one code point at a time.
QByteArray encodeSubstituting(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringEncoder encoder(kCodePageName);
        const QByteArray one = encoder.encode(QStringView(text).mid(i, length));
        bytes += encoder.hasError() ? QByteArray("?") : one;
        i += length;
    }
    return bytes;
}

}  // namespace

QString decodeCodePage(QByteArrayView bytes) {
    QStringDecoder decoder(kCodePageName);
    return decoder.decode(bytes);
}

QByteArray encodeCodePage(const QString& text) {
    QStringEncoder encoder(kCodePageName);
    QByteArray bytes = encoder.encode(text);
    return encoder.hasError() ? encodeSubstituting(text) : bytes;
}

}  // namespace k4
