#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <limits>

namespace k4 {

inline constexpr qsizetype kAllLines = std::numeric_limits<qsizetype>::max();

// The lines of a file's bytes, at most `maxLines` of them. A line ends at CR LF, a lone CR or
// a lone LF; the line end is not part of the value. A last line without a line end is read to
// the end of the file, and a file that ends with a line end has no empty line after it, so an
// empty file has no lines.
QStringList readLines(QByteArrayView bytes, qsizetype maxLines = kAllLines);

// The bytes of a file holding `lines`, each converted to code page 932 and ended with CR LF.
QByteArray writeLines(const QStringList& lines);

}  // namespace k4
