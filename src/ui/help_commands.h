#pragma once

namespace k4 {

struct Services;

// データのフォルダーを開く: the file manager on the data folder.
void openDataFolder(Services& services);

// 使いかた: the HTML manual in the user's browser.
void openManual(Services& services);

// バージョン情報: the version, the licence, the Qt version and the data folder.
void showVersionInfo(Services& services);

}  // namespace k4
