#pragma once

#include "platform/language.h"

namespace k4 {

// Installs Qt's own translation of its texts into `language`: the edit menu of a text box, the
// file dialogs, the standard buttons and the command line parser's messages. The Windows build
// carries the Japanese one embedded, since its Qt is linked into the program; elsewhere it is
// read from Qt's translations folder (Debian's qt6-translations-l10n). English needs none.
// Needs the application object; returns whether a translation is installed.
bool installQtTranslation(Language language);

}  // namespace k4
