#include "ui/statistics/statistics_window.h"

#include <QIcon>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include "analysis/statistics_data.h"
#include "data/data_files.h"
#include "data/file_names.h"
#include "platform/failure.h"
#include "ui/command_boundary.h"
#include "ui/gothic_fonts.h"
#include "ui/services.h"
#include "ui/statistics/backtest_page.h"
#include "ui/statistics/digit_page.h"
#include "ui/statistics/import_page.h"
#include "ui/statistics/lookup_page.h"
#include "ui/window_icon.h"

namespace k4 {
namespace {

const QString kCaption = QStringLiteral("成績と統計");
// Wide enough for the backtest's conclusion on one line beside its figures.
constexpr QSize kStartSize(1040, 720);
constexpr double kPoints = 10.5;

}  // namespace

StatisticsWindow::StatisticsWindow(Services& services, int count,
                                   std::function<void(const QString&)> imported)
    : services_(services) {
    setObjectName(QStringLiteral("StatisticsWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kCaption);
    setWindowIcon(windowIcon());
    setFont(gothicFont(Gothic::Proportional, kPoints));
    resize(kStartSize);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("statisticsTabs"));
    backtest_ = new BacktestPage(services, count, tabs_);
    digits_ = new DigitPage(tabs_);
    lookup_ = new LookupPage(services, tabs_);
    import_ = new ImportPage(
        services,
        [this, imported = std::move(imported)](const QString& nextRound) {
            imported(nextRound);
            reload();
        },
        tabs_);
    tabs_->addTab(backtest_, QStringLiteral("バックテスト"));
    tabs_->addTab(digits_, QStringLiteral("数字の出現"));
    tabs_->addTab(lookup_, QStringLiteral("番号を調べる"));
    tabs_->addTab(import_, QStringLiteral("取り込み"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    // No smaller than its pages need to show every control whole: the layout keeps the
    // window's minimum to what they need as they are polished and filled.
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    // Ctrl+Tab and Ctrl+Shift+Tab change pages wherever the focus is, a table included.
    const auto turnPage = [this](int step) {
        tabs_->setCurrentIndex((tabs_->currentIndex() + step + tabs_->count()) % tabs_->count());
    };
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(next, &QShortcut::activated, this, [turnPage] { turnPage(1); });
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)}) {
        auto* previous = new QShortcut(keys, this);
        connect(previous, &QShortcut::activated, this, [turnPage] { turnPage(-1); });
    }
}

void StatisticsWindow::load() {
    show();
    runCommand(services_, [this] {
        // Where this is the program's first window, a commit that a crash cut off is completed
        // or dropped before anything is read.
        DataFiles(services_.files).recover();
        fill();
    });
}

void StatisticsWindow::reload() {
    runCommand(services_, [this] { fill(); });
}

void StatisticsWindow::followFiles() {
    followQuietly([this] {
        if (const DataFilesState now = DataFiles(services_.files).readState(); now != shownFrom_)
            fill(now);
    });
}

void StatisticsWindow::fill() {
    fill(DataFiles(services_.files).readState());
}

void StatisticsWindow::fill(const DataFilesState& state) {
    shownFrom_ = state;
    auto data = std::make_shared<StatisticsData>(statisticsDataIn(shownFrom_));
    // The number pages show where each combination stands in the table.
    if (!data->candidates) throw Failure(FailureKind::FileNotFound, kCandidateFile);
    backtest_->showData(data);
    digits_->showData(data);
    lookup_->showData(data);
}

void StatisticsWindow::showPage(Page page) {
    tabs_->setCurrentIndex(int(page));
}

void StatisticsWindow::importFile(const QString& path) {
    showPage(Page::Import);
    import_->openFile(path);
}

void StatisticsWindow::closeEvent(QCloseEvent* event) {
    emit closed();
    QWidget::closeEvent(event);
}

}  // namespace k4
