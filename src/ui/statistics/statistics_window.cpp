#include "ui/statistics/statistics_window.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "analysis/statistics_data.h"
#include "data/data_files.h"
#include "data/file_names.h"
#include "platform/failure.h"
#include "ui/command_boundary.h"
#include "ui/controls.h"
#include "ui/gothic_fonts.h"
#include "ui/screen_fit.h"
#include "ui/services.h"
#include "ui/statistics/backtest_page.h"
#include "ui/statistics/digit_page.h"
#include "ui/statistics/import_page.h"
#include "ui/statistics/lookup_page.h"
#include "ui/statistics/tickets_page.h"
#include "ui/window_icon.h"

namespace k4 {
namespace {

const QString kCaption = QStringLiteral("成績と統計");
// Wide enough for the backtest's conclusion on one line beside its figures, where the screen
// has room for it.
constexpr QSize kStartSize(1040, 760);
// Small enough for any screen, large enough to show a useful part of a page and scroll to the
// rest.
constexpr QSize kSmallestSize(480, 360);
constexpr double kPoints = 10.5;

using Page = StatisticsWindow::Page;

// A page and the title of its tab.
struct PageTab {
    Page page;
    const char16_t* title;
};

// The pages in the order of their tabs: the tabs are built from it, and a page is shown at its
// place in it.
constexpr std::array kPages{
    PageTab{Page::Backtest, u"バックテスト"}, PageTab{Page::Digits, u"数字の出現"},
    PageTab{Page::Lookup, u"番号を調べる"},   PageTab{Page::Tickets, u"購入と収支"},
    PageTab{Page::Import, u"取り込み"},
};

// Every page, up to the last, Import, has exactly one tab.
constexpr bool eachPageHasOneTab() {
    for (int value = 0; value <= int(Page::Import); ++value)
        if (std::ranges::count(kPages, Page(value), &PageTab::page) != 1) return false;
    return kPages.size() == std::size_t(Page::Import) + 1;
}
static_assert(eachPageHasOneTab(), "kPages lists every page of StatisticsWindow::Page once");

// The place of `page`'s tab.
int tabOf(Page page) {
    return int(std::ranges::find(kPages, page, &PageTab::page) - kPages.begin());
}

// A page that scrolls where the window is smaller than the page needs, so that nothing on it is
// ever cut.
QScrollArea* scrolling(QWidget* page) {
    auto* area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(page);
    return area;
}

}  // namespace

StatisticsWindow::StatisticsWindow(Services& services, int count,
                                   std::function<void(const QString&)> imported,
                                   std::function<ListedPrediction()> listedPrediction)
    : services_(services) {
    setObjectName(QStringLiteral("StatisticsWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kCaption);
    setWindowIcon(windowIcon());
    setFont(gothicFont(Gothic::Proportional, kPoints));
    const QRect available = screen()->availableGeometry();
    setMinimumSize(sizeWithin(kSmallestSize, available));
    resize(sizeWithin(kStartSize, available));

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("statisticsTabs"));
    backtest_ = new BacktestPage(services, count, tabs_);
    digits_ = new DigitPage(tabs_);
    lookup_ = new LookupPage(services, tabs_);
    tickets_ = new TicketsPage(
        services, std::move(listedPrediction), [this] { reload(); }, tabs_);
    import_ = new ImportPage(
        services,
        [this, imported = std::move(imported)](const QString& nextRound) {
            imported(nextRound);
            reload();
        },
        tabs_);
    for (const PageTab& tab : kPages)
        tabs_->addTab(scrolling(pageWidget(tab.page)), QString::fromUtf16(tab.title));
    // A page shown by a click on its tab or by the program takes the focus; one shown by the
    // arrow keys on the tab bar leaves it there, for the next arrow key, as on Windows.
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        if (!tabs_->tabBar()->hasFocus()) focusPage();
    });

    auto* closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
    pressFocusedButtonsWithEnter(this);

    // Esc and Ctrl+W close the window, as 閉じる does.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* close = new QShortcut(keys, this);
        connect(close, &QShortcut::activated, this, &QWidget::close);
    }

    // Ctrl+Tab and Ctrl+Shift+Tab change pages wherever the focus is, a table included.
    const auto turnPage = [this](int step) {
        tabs_->setCurrentIndex((tabs_->currentIndex() + step + tabs_->count()) % tabs_->count());
        focusPage();
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
    focusPage();
    runCommand(services_, [this] {
        // Where this is the program's first window, a commit that a crash cut off is completed
        // or dropped before anything is read.
        DataFiles(services_.dataFolder).recover();
        fill();
    });
}

void StatisticsWindow::reload() {
    runCommand(services_, [this] { fill(); });
}

void StatisticsWindow::followFiles() {
    followQuietly([this] {
        if (const DataFilesState now = DataFiles(services_.dataFolder).readState();
            now != shownFrom_)
            fill(now);
    });
}

void StatisticsWindow::fill() {
    fill(DataFiles(services_.dataFolder).readState());
}

void StatisticsWindow::fill(const DataFilesState& state) {
    shownFrom_ = state;
    auto data = std::make_shared<StatisticsData>(statisticsDataIn(shownFrom_));
    // The number pages show where each combination stands in the table.
    if (!data->candidates) throw Failure(FailureKind::FileNotFound, kCandidateFile);
    backtest_->showData(data);
    digits_->showData(data);
    lookup_->showData(data);
    tickets_->showFiles(shownFrom_);
}

void StatisticsWindow::showPage(Page page) {
    tabs_->setCurrentIndex(tabOf(page));
}

QWidget* StatisticsWindow::pageWidget(Page page) const {
    switch (page) {
        case Page::Backtest:
            return backtest_;
        case Page::Digits:
            return digits_;
        case Page::Lookup:
            return lookup_;
        case Page::Tickets:
            return tickets_;
        case Page::Import:
            return import_;
    }
    return nullptr;
}

void StatisticsWindow::focusPage() {
    static_cast<QScrollArea*>(tabs_->currentWidget())->widget()->setFocus(Qt::TabFocusReason);
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
