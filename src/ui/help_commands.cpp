#include "ui/help_commands.h"

#include <QDir>
#include <QtGlobal>

#include "platform/dialogs.h"
#include "platform/failure.h"
#include "platform/file_system.h"
#include "platform/program_launcher.h"
#include "ui/command_boundary.h"
#include "ui/services.h"
#include "version.h"

namespace k4 {

void openInAnotherProgram(Services& services, const Command& command, const QString& path) {
    services.launcher.start(command, [&services, shown = QDir::toNativeSeparators(path)] {
        reportFailure(services, Failure(FailureKind::NotOpened, shown));
    });
}

void openDataFolder(Services& services) {
    const QString folder = services.dataFolder.folderName();
    openInAnotherProgram(services, desktopOpenCommand(folder), folder);
}

void openManual(Services& services) {
    if (services.manualFile.isEmpty()) {
        services.dialogs.notify(
            QStringLiteral("使いかたのファイルが見つかりません。プログラムをインストールし直して"
                           "ください。"),
            kProgramTitle, Notice::Warning);
        return;
    }
    openInAnotherProgram(services, desktopOpenCommand(services.manualFile), services.manualFile);
}

void showVersionInfo(Services& services) {
    services.dialogs.notify(QStringLiteral("キリカータ４ バージョン %1\n"
                                           "四桁くじのボックス買いのための予想ツール\n"
                                           "\n"
                                           "MIT ライセンスのフリーソフトウェアです。\n"
                                           "Qt %2 (GNU LGPL 3.0) を使っています。\n"
                                           "\n"
                                           "データのフォルダー:\n%3")
                                .arg(kProgramVersion, QString::fromLatin1(qVersion()),
                                     services.dataFolder.folderName()),
                            QStringLiteral("バージョン情報"), Notice::Information);
}

}  // namespace k4
