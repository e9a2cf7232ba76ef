#include "ui/main_menu_bar.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace k4 {
namespace {

QAction* command(QWidget* window, const char* name, const QString& text) {
    auto* action = new QAction(text, window);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

MainMenuBar::MainMenuBar(QWidget* window)
    : QMenuBar(window),
      importAction(command(window, "importAction", QStringLiteral("過去の結果を取り込む(&I)…"))),
      openFolderAction(
          command(window, "openFolderAction", QStringLiteral("データのフォルダーを開く(&D)"))),
      backupAction(command(window, "backupAction", QStringLiteral("バックアップを作成(&B)…"))),
      restoreAction(command(window, "restoreAction", QStringLiteral("バックアップから戻す(&R)…"))),
      exitAction(command(window, "exitAction", QStringLiteral("終了(&X)"))),
      statisticsAction(command(window, "statisticsAction", QStringLiteral("成績と統計(&S)…"))),
      manualAction(command(window, "manualAction", QStringLiteral("使いかた(&H)"))),
      aboutAction(command(window, "aboutAction", QStringLiteral("バージョン情報(&A)"))) {
    setObjectName(QStringLiteral("menuBar"));
    manualAction->setShortcut(QKeySequence::HelpContents);

    QMenu* file = addMenu(QStringLiteral("ファイル(&F)"));
    file->addActions({importAction, openFolderAction});
    file->addSeparator();
    file->addActions({backupAction, restoreAction});
    file->addSeparator();
    file->addAction(exitAction);
    addMenu(QStringLiteral("ツール(&T)"))->addAction(statisticsAction);
    addMenu(QStringLiteral("ヘルプ(&H)"))->addActions({manualAction, aboutAction});
}

}  // namespace k4
