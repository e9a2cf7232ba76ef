#pragma once

#include <QString>
#include <functional>

namespace k4 {

class Failure;
struct Services;

// The title of the program's message boxes.
inline const QString kProgramTitle = QStringLiteral("キリカータ４");

// Runs one event handler. A failure it throws is shown in a message box naming it and the file,
// and then the program ends; nothing escapes into Qt's event loop. A refusal (the files changed
// by another program, the last round reached) is shown as well, and then `afterRefusal` runs
// and the program goes on: nothing was written. Returns whether the handler ran to its end.
bool runCommand(Services& services, const std::function<void()>& handler,
                const std::function<void()>& afterRefusal = {});

// Tells the user of a failure that no handler threw, one that a program started earlier
// reported later, as runCommand() tells of a thrown one: a refusal, and the program goes on;
// any other failure, and the program ends.
void reportFailure(Services& services, const Failure& failure);

// Runs a handler that follows a change the user did not ask for (another program changed the
// data files). A failure in it is not shown: the user meets it at the next command. Returns
// whether the handler ran to its end.
bool followQuietly(const std::function<void()>& handler);

}  // namespace k4
