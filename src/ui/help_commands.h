#pragma once

#include <QString>

namespace k4 {

struct Command;
struct Services;

// Opens `path`, a file or folder, in another program through `command`. Where no program opens
// it, whether the command cannot start or reports so when it ends, the user is told which file
// or folder it is, so that they can open it by hand, and the program goes on.
void openInAnotherProgram(Services& services, const Command& command, const QString& path);

// データのフォルダーを開く: the file manager on the data folder.
void openDataFolder(Services& services);

// 使いかた: the HTML manual in the user's browser.
void openManual(Services& services);

// バージョン情報: the version, the licence, the Qt version and the data folder.
void showVersionInfo(Services& services);

}  // namespace k4
