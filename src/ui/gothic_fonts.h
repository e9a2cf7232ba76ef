#pragma once

#include <QFont>

namespace k4 {

// The two Japanese Gothic faces of the windows.
enum class Gothic {
    Fixed,         // "ＭＳ ゴシック"
    Proportional,  // "ＭＳ Ｐゴシック"
};

// The face asked for by its Windows name first, then the installed IPA and Noto CJK faces of
// the same kind, at the given size in points.
QFont gothicFont(Gothic face, double points, bool bold = false);

}  // namespace k4
