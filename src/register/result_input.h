#pragma once

#include <QString>
#include <optional>

namespace k4 {

// The draw result a user typed, as it is stored: ordinary and ideographic spaces around it are
// trimmed and full-width digits become ASCII digits. Empty unless exactly four digits remain.
std::optional<QString> storedResult(const QString& typed);

}  // namespace k4
