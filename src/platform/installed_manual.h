#pragma once

#include <QString>

namespace k4 {

// The path of the HTML manual installed with the program, or an empty string when there is
// none: beside the program as 使いかた.html in the Windows zip, beside it as manual.html in the
// build folder, and as share/doc/kirikata4/manual.html beside the program's bin folder where a
// package or `cmake --install` put it.
QString installedManual();

}  // namespace k4
