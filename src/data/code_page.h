#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace k4 {

// Text in the files is code page 932 (Shift-JIS as Windows writes it).

// Decodes bytes; bytes that are not valid code page 932 become substitution characters.
QString decodeCodePage(QByteArrayView bytes);

// Encodes text; a character that code page 932 cannot hold is written as "?".
QByteArray encodeCodePage(const QString& text);

}  // namespace k4
