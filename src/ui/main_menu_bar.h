#pragma once

#include <QMenuBar>

class QAction;

namespace k4 {

// The main window's menu bar, with access keys as Windows programs have them:
//   ファイル(F)  過去の結果を取り込む…, データのフォルダーを開く, バックアップを作成…,
//               バックアップから戻す…, 終了
//   ツール(T)    成績と統計…, 購入と収支…
//   ヘルプ(H)    使いかた (also F1), バージョン情報
// Each command is one action, which the window connects to what it does.
class MainMenuBar final : public QMenuBar {
    Q_OBJECT

public:
    explicit MainMenuBar(QWidget* window);

    QAction* const importAction;
    QAction* const openFolderAction;
    QAction* const backupAction;
    QAction* const restoreAction;
    QAction* const exitAction;
    QAction* const statisticsAction;
    QAction* const ticketsAction;
    QAction* const manualAction;
    QAction* const aboutAction;
};

}  // namespace k4
