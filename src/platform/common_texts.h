#pragma once

#include <QString>

#include "platform/language.h"

namespace k4 {

// Sentences that commands of every kind say: the import, the backup and the restore alike.

// That a command left the data folder as it was.
QString nothingWrittenText(Language language);

// The rounds `first` to `last`, "第 1 回〜第 20 回".
QString roundsText(qint64 first, qint64 last, Language language);

}  // namespace k4
