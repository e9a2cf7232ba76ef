#include "ui/main_menu_bar.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "ui/gothic_fonts.h"

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
      ticketsAction(command(window, "ticketsAction", QStringLiteral("購入と収支(&B)…"))),
      manualAction(command(window, "manualAction", QStringLiteral("使いかた(&H)"))),
      aboutAction(command(window, "aboutAction", QStringLiteral("バージョン情報(&A)"))) {
    setObjectName(QStringLiteral("menuBar"));
    // The menus in the proportional Gothic at 9 points, the classic face of Japanese menus,
    // whatever the desktop's own font: at that size the three fit the window's width.
    const QFont menuFont = gothicFont(Gothic::Proportional, 9);
    setFont(menuFont);
    const auto menu = [&](const QString& title, QList<QAction*> actions) {
        QMenu* added = addMenu(title);
        added->setFont(menuFont);
        added->addActions(actions);
        return added;
    };
    manualAction->setShortcut(QKeySequence::HelpContents);

    QMenu* file = menu(QStringLiteral("ファイル(&F)"), {importAction, openFolderAction});
    file->addSeparator();
    file->addActions({backupAction, restoreAction});
    file->addSeparator();
    file->addAction(exitAction);
    menu(QStringLiteral("ツール(&T)"), {statisticsAction, ticketsAction});
    menu(QStringLiteral("ヘルプ(&H)"), {manualAction, aboutAction});
}

}  // namespace k4
