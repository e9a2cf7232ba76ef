#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <cmath>

#include "data/data_files.h"
#include "data/file_names.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/numbers.h"
#include "platform/program_launcher.h"
#include "predict/prediction.h"
#include "predict/prediction_files.h"
#include "predict/report.h"
#include "ui/backup_commands.h"
#include "ui/command_boundary.h"
#include "ui/controls.h"
#include "ui/dropped_file.h"
#include "ui/gothic_fonts.h"
#include "ui/help_commands.h"
#include "ui/main_menu_bar.h"
#include "ui/registration_window.h"
#include "ui/services.h"
#include "ui/statistics/statistics_window.h"
#include "ui/twips.h"
#include "version.h"

namespace k4 {
namespace {

const QString kCaption = QStringLiteral(" 戦略 キリカータ Vr") + kProgramVersion;
// The client area at its design position on the screen, 3255 × 4560 twips.
constexpr QRect kClientArea = fromTwips(435, 570, 3255, 4560);
// Input the user can correct: the command stops, the list and the report stay as they were.
const QString kCountNotANumber = QStringLiteral("表示件数には数値を入力してください。");
const QString kRoundOutOfRange =
    QStringLiteral("次回の回数が範囲外のため、予想結果 (%1) を書き出せません。").arg(kReportFile);

}  // namespace

MainWindow::MainWindow(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
    setAcceptDrops(true);
    setObjectName(QStringLiteral("Form1"));
    // The controls keep their places in the client area, below the menu bar.
    auto* clientArea = new QWidget(this);
    clientArea->setObjectName(QStringLiteral("clientArea"));
    menuBar_ = new MainMenuBar(this);
    setUpFixedWindow(this, kCaption, kClientArea, menuBar_, clientArea);

    const QFont fixed14 = gothicFont(Gothic::Fixed, 14.25);
    const QFont proportional11 = gothicFont(Gothic::Proportional, 11.25);
    const QFont proportional12 = gothicFont(Gothic::Proportional, 12);

    placeLabel(clientArea, "Label2", fromTwips(120, 90, 2490, 195),
               gothicFont(Gothic::Proportional, 9.75, true),
               QStringLiteral("キリカータ４予想プログラム"));
    predictionList_ =
        placeListBox<QListWidget>(clientArea, "List2", fromTwips(240, 480, 1095, 3195), fixed14);
    countBox_ = placeTextBox(clientArea, "Text2", fromTwips(480, 3840, 495, 375), fixed14,
                             QString::number(kStartCount));
    placeLabel(clientArea, "Label1", fromTwips(1440, 600, 735, 375), proportional11,
               QStringLiteral("次回は"));
    nextRoundBox_ = placeTextBox(clientArea, "Text1", fromTwips(2160, 480, 615, 375),
                                 gothicFont(Gothic::Fixed, 12), QStringLiteral("Text1"));
    placeLabel(clientArea, "Label3", fromTwips(2880, 600, 255, 375), proportional11,
               QStringLiteral("回"));
    exitButton_ = placeButton(clientArea, "Command10", fromTwips(1680, 960, 1335, 705), fixed14,
                              QStringLiteral("終  了"));
    predictButton_ = placeButton(clientArea, "Command5", fromTwips(1680, 1800, 1335, 735), fixed14,
                                 QStringLiteral("予  想 "));
    showTextButton_ = placeButton(clientArea, "Command1", fromTwips(1680, 2760, 1335, 735),
                                  proportional12, QStringLiteral("TEXT表示"));
    registerButton_ = placeButton(clientArea, "Command2", fromTwips(1680, 3720, 1335, 735),
                                  proportional12, QStringLiteral("データ登録"));

    predictionList_->setAccessibleName(QStringLiteral("予想結果の一覧"));
    countBox_->setAccessibleName(QStringLiteral("予想する件数"));
    nextRoundBox_->setAccessibleName(QStringLiteral("次回の回数"));

    // Tab indexes 0 to 9; the labels take no focus.
    chainTabOrder({predictButton_, registerButton_, predictionList_, exitButton_, countBox_,
                   nextRoundBox_, showTextButton_});
    pressFocusedButtonsWithEnter(this);

    connect(predictButton_, &QPushButton::clicked, this, &MainWindow::predict);
    connect(showTextButton_, &QPushButton::clicked, this, &MainWindow::showReport);
    connect(registerButton_, &QPushButton::clicked, this, &MainWindow::openRegistration);
    connect(exitButton_, &QPushButton::clicked, this, &MainWindow::exitProgram);

    connect(menuBar_->statisticsAction, &QAction::triggered, this,
            [this] { openStatistics(StatisticsWindow::Page::Backtest); });
    connect(menuBar_->ticketsAction, &QAction::triggered, this,
            [this] { openStatistics(StatisticsWindow::Page::Tickets); });
    connect(menuBar_->importAction, &QAction::triggered, this,
            [this] { openStatistics(StatisticsWindow::Page::Import); });
    connect(menuBar_->openFolderAction, &QAction::triggered, this,
            [this] { openDataFolder(services_); });
    connect(menuBar_->backupAction, &QAction::triggered, this, [this] { createBackup(services_); });
    connect(menuBar_->restoreAction, &QAction::triggered, this, &MainWindow::restore);
    connect(menuBar_->exitAction, &QAction::triggered, this, &MainWindow::exitProgram);
    connect(menuBar_->manualAction, &QAction::triggered, this, [this] { openManual(services_); });
    connect(menuBar_->aboutAction, &QAction::triggered, this,
            [this] { showVersionInfo(services_); });
    contextMenu_ = new QMenu(this);
    addSharedCommands(contextMenu_);
    addMenuToTextBox(countBox_);
    addMenuToTextBox(nextRoundBox_);
}

void MainWindow::addMenuToTextBox(QLineEdit* box) {
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QWidget::customContextMenuRequested, this, [this, box](const QPoint& at) {
        QMenu* menu = box->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addSeparator();
        addSharedCommands(menu);
        menu->popup(box->mapToGlobal(at));
    });
}

// A screen reader is told of an action under one menu only, so the right-button menus carry
// copies of the menu bar's commands, which trigger them.
void MainWindow::addSharedCommands(QMenu* menu) {
    for (QAction* command : {menuBar_->statisticsAction, menuBar_->importAction}) {
        auto* copy = menu->addAction(command->text());
        connect(copy, &QAction::triggered, command, &QAction::trigger);
    }
}

// The list, the labels and the buttons have no menu of their own, so their requests end here.
void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    contextMenu_->popup(event->globalPos());
    event->accept();
}

void MainWindow::load() {
    show();
    predictButton_->setFocus();
    runCommand(services_, [this] {
        DataFiles files(services_.dataFolder);
        files.recover();  // a commit that a crash cut off is completed or dropped first
        showNextRoundOf(DataFiles::counterIn(files.readState()));
        predictionList_->clear();
    });
}

void MainWindow::showNextRoundOf(double counter) {
    // The next round is a 16-bit number: a counter of 32767 or more stops here with an overflow
    // that names the counter file.
    const QString nextRound = QString::number(toInt16(counter + 1, kCounterFile));
    if (nextRound != nextRoundOfFiles_) setNextRoundText(nextRound);
}

void MainWindow::followFiles() {
    followQuietly([this] {
        showNextRoundOf(DataFiles::counterIn(DataFiles(services_.dataFolder).readState()));
    });
    if (registrationWindow_) registrationWindow_->followFiles();
    if (statisticsWindow_) statisticsWindow_->followFiles();
}

// The registration and statistics windows go with the main window.
MainWindow::~MainWindow() {
    delete registrationWindow_;
    delete statisticsWindow_;
}

void MainWindow::openRegistration() {
    if (registrationWindow_) return;  // already open: neither reloaded nor raised
    registrationWindow_ = new RegistrationWindow(
        services_, [this](const QString& nextRound) { dataChanged(nextRound); });
    registrationWindow_->load();
}

void MainWindow::dataChanged(const QString& nextRound) {
    setNextRoundText(nextRound);
    if (statisticsWindow_) statisticsWindow_->reload();
}

// Every window shows the restored files at once, before the user is told, rather than when the
// folder's watcher reports the change.
void MainWindow::restore() {
    restoreBackup(services_, [this] { followFiles(); });
}

void MainWindow::openStatistics(StatisticsWindow::Page page) {
    if (statisticsWindow_) {
        statisticsWindow_->showNormal();
        statisticsWindow_->raise();
        statisticsWindow_->activateWindow();
    } else {
        // The backtest starts with the count of the count box when it is one the page takes,
        // and with the backtest's own default (the count the box starts with) otherwise.
        const std::optional<double> count = numberFromTextBox(countBox_->text());
        const bool taken =
            count && *count == std::trunc(*count) && *count >= 1 && *count <= kMostPredicted;
        statisticsWindow_ = new StatisticsWindow(
            services_, taken ? int(*count) : kStartCount,
            [this](const QString& nextRound) { setNextRoundText(nextRound); },
            [this] { return listedPrediction(); });
        statisticsWindow_->load();
    }
    statisticsWindow_->showPage(page);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedLocalFile(*event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString file = droppedLocalFile(*event->mimeData());
    event->acceptProposedAction();
    openStatistics(StatisticsWindow::Page::Import);
    if (statisticsWindow_) statisticsWindow_->importFile(file);
}

void MainWindow::setNextRoundText(const QString& text) {
    nextRoundBox_->setText(text);
    nextRoundOfFiles_ = text;
}

ListedPrediction MainWindow::listedPrediction() const {
    ListedPrediction listed{nextRoundBox_->text(), {}};
    for (int row = 0; row < predictionList_->count(); ++row)
        listed.combinations << predictionList_->item(row)->text();
    return listed;
}

void MainWindow::predict() {
    runCommand(services_, [this] {
        const std::optional<double> count = numberFromTextBox(countBox_->text());
        if (!count) {
            services_.dialogs.notify(kCountNotANumber, kProgramTitle, Notice::Warning);
            return;
        }
        predictionList_->clear();
        // The files are read once, and the report's round is the one they give, unless the user
        // typed another over the one they gave.
        DataFiles files(services_.dataFolder);
        const DataFilesState state = files.readState();
        const PredictionData data = predictionDataIn(state);
        // Without a counter that reads, the round is the one shown.
        followQuietly([&] { showNextRoundOf(DataFiles::counterIn(state)); });
        const QStringList predictions = k4::predict(data.candidates, data.history, *count);
        predictionList_->addItems(predictions);

        const QString roundText = nextRoundBox_->text();
        const std::optional<std::int32_t> round = reportRound(roundText);
        if (!round) {
            services_.dialogs.notify(kRoundOutOfRange, kProgramTitle, Notice::Warning);
            return;
        }
        writeReport(files, reportLines({roundText, *round, predictions, data.history,
                                        services_.clock.today()}));
    });
}

void MainWindow::showReport() {
    // The editor gets the bare name, in the data folder; the user is told the whole path.
    openInAnotherProgram(services_, textEditorCommand(kReportFile),
                         QDir(services_.dataFolder.folderName()).filePath(kReportFile));
}

void MainWindow::exitProgram() {
    services_.endProgram(0);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    services_.endProgram(0);
}

}  // namespace k4
