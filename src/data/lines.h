#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <QStringView>
#include <limits>
#include <optional>

namespace k4 {

inline constexpr qsizetype kAllLines = std::numeric_limits<qsizetype>::max();

// What an editor saving as UTF-8 may put in front of a text; the program never writes one.
inline constexpr QByteArrayView kUtf8ByteOrderMark("\xEF\xBB\xBF");

// The lines of a text or of a file's bytes, one after the other, each without its line end. A
// line ends at CR LF, a lone CR or a lone LF. A last line without a line end is read to the end,
// and a text that ends with a line end has no empty line after it, so an empty text has no lines.
template <typename View>
class LineSplitter {
public:
    explicit LineSplitter(View text) : text_(text) {}

    std::optional<View> next() {
        if (at_ >= text_.size()) return std::nullopt;
        qsizetype end = at_;
        while (end < text_.size() && text_[end] != u'\r' && text_[end] != u'\n') ++end;
        const View line = text_.sliced(at_, end - at_);
        const bool crLf = end + 1 < text_.size() && text_[end] == u'\r' && text_[end + 1] == u'\n';
        at_ = end + (crLf ? 2 : 1);
        return line;
    }

    static qsizetype countLines(View text) {
        LineSplitter lines(text);
        qsizetype count = 0;
        while (lines.next()) ++count;
        return count;
    }

private:
    View text_;
    qsizetype at_ = 0;
};

// The lines of a file's bytes (see LineSplitter), at most `maxLines` of them.
QStringList readLines(QByteArrayView bytes, qsizetype maxLines = kAllLines);

// The bytes of a file holding `lines`, each converted to code page 932 and ended with CR LF.
QByteArray writeLines(const QStringList& lines);

}  // namespace k4
