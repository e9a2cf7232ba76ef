#pragma once

#include <QString>
#include <functional>

namespace k4 {

struct Services;

// バックアップを作成…: the three data files, and nothing else, copied into a folder the user
// names (a dated one is offered), whole or not at all. The data folder is only read.
void createBackup(Services& services);

// バックアップから戻す…: the data files of a folder the user picks replace today's, after a
// question that compares the two. A folder whose files are not data files of this program is
// refused with the reason, and nothing is written. On Yes today's files are first copied into a
// dated folder beside them, then the three are replaced in one commit, and `restored` runs
// before the user is told.
void restoreBackup(Services& services, const std::function<void()>& restored);

}  // namespace k4
