#pragma once

#include <QString>

#include "import/past_results.h"
#include "platform/language.h"

namespace k4 {

// Why a line of a file of past results was refused, quoting it with shownText().
QString badLineText(const BadLine& bad, Language language);

}  // namespace k4
