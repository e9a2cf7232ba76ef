#pragma once

#include <QString>

#include "platform/language.h"
#include "tool/past_results.h"

namespace k4 {

class Failure;

// A failed file operation, naming the file with the folder it was looked for in.
QString failureText(const Failure& failure, const QString& folder, Language language);

// Text from a file as a message quotes it: at most 40 characters (then "…"), and control
// characters written as \xNN, so that neither a huge line nor a stray control byte reaches the
// terminal or the screen.
QString shownText(QStringView text);

// Why a line of a file of past results was refused, quoting it with shownText().
QString badLineText(const BadLine& bad, Language language);

}  // namespace k4
