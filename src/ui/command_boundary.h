#pragma once

#include <QString>
#include <functional>

namespace k4 {

struct Services;

// The title of the program's message boxes.
inline const QString kProgramTitle = QStringLiteral("キリカータ４");

// Runs one event handler. A failure it throws is shown in a message box naming it and the file,
// and then the program ends; nothing escapes into Qt's event loop. Returns whether the handler
// ran to its end.
bool runCommand(Services& services, const std::function<void()>& handler);

}  // namespace k4
