#pragma once

#include <QString>

#include "platform/language.h"
#include "tool/past_results.h"

namespace k4 {

class Failure;

// A failed file operation, naming the file with the folder it was looked for in.
QString failureText(const Failure& failure, const QString& folder, Language language);

// Why a line of a file of past results was refused.
QString badLineText(const BadLine& bad, Language language);

}  // namespace k4
