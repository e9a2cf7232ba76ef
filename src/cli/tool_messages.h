#pragma once

#include <QString>

#include "platform/language.h"

namespace k4 {

class Failure;

// A failed file operation, naming the file with the folder it was looked for in.
QString failureText(const Failure& failure, const QString& folder, Language language);

}  // namespace k4
