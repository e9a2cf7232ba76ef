#include "ui/help_commands.h"

#include <QtGlobal>

#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/program_launcher.h"
#include "ui/command_boundary.h"
#include "ui/services.h"
#include "version.h"

namespace k4 {
namespace {

// Where a program cannot start, the user is told and the program keeps running.
void startOrTell(Services& services, const Command& command) {
    if (!services.launcher.startDetached(command))
        services.dialogs.notify(QStringLiteral("%1 を起動できません。").arg(command.program),
                                kProgramTitle, Notice::Error);
}

}  // namespace

void openDataFolder(Services& services) {
    startOrTell(services, desktopOpenCommand(services.files.folderName()));
}

void openManual(Services& services) {
    if (services.manualFile.isEmpty()) {
        services.dialogs.notify(
            QStringLiteral("使いかたのファイルが見つかりません。プログラムをインストールし直して"
                           "ください。"),
            kProgramTitle, Notice::Warning);
        return;
    }
    startOrTell(services, desktopOpenCommand(services.manualFile));
}

void showVersionInfo(Services& services) {
    services.dialogs.notify(
        QStringLiteral("キリカータ４ バージョン %1\n"
                       "四桁くじのボックス買いのための予想ツール\n"
                       "\n"
                       "MIT ライセンスのフリーソフトウェアです。\n"
                       "Qt %2 (GNU LGPL 3.0) を使っています。\n"
                       "\n"
                       "データのフォルダー:\n%3")
            .arg(kProgramVersion, QString::fromLatin1(qVersion()), services.files.folderName()),
        QStringLiteral("バージョン情報"), Notice::Information);
}

}  // namespace k4
