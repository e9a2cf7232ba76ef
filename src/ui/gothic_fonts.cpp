#include "ui/gothic_fonts.h"

#include <QStringList>

namespace k4 {

QFont gothicFont(Gothic face, double points, bool bold) {
    static const QStringList fixedFamilies = {
        QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
        QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("Noto Sans CJK JP")};
    static const QStringList proportionalFamilies = {
        QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
        QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")};

    QFont font;
    font.setFamilies(face == Gothic::Fixed ? fixedFamilies : proportionalFamilies);
    font.setStyleHint(face == Gothic::Fixed ? QFont::Monospace : QFont::SansSerif);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

}  // namespace k4
