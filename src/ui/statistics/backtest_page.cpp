#include "ui/statistics/backtest_page.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "analysis/backtest_report.h"
#include "chart/backtest_chart.h"
#include "data/file_names.h"
#include "data/folder_commit.h"
#include "import/import_messages.h"
#include "import/past_results.h"
#include "platform/common_texts.h"
#include "platform/dialogs.h"
#include "platform/failure.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "predict/prediction.h"
#include "ui/services.h"
#include "ui/statistics/background_work.h"
#include "ui/statistics/chart_widget.h"
#include "ui/statistics/figure_table.h"
#include "ui/statistics/page_labels.h"

namespace k4 {
namespace {

constexpr int kFewestCombinations = 1;
constexpr int kLastStep = 100;
constexpr int kBusyWidth = 160;
const QString kSaveFailedTitle = QStringLiteral("保存できません");
const QString kFolderSource = QStringLiteral("データフォルダーの %1").arg(kHistoryFile);
const QString kFileSource = QStringLiteral("過去の結果のファイル…");
enum Source { FolderSource, FileSource };

// A table of a label and a value a row, for the backtest's summary.
FigureTable* summaryTable(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* table = new FigureTable({QStringLiteral("項目"), QStringLiteral("値")}, {}, parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setAccessibleName(accessibleName);
    table->fitRows();
    table->fitColumns();
    return table;
}

QList<QStringList> tableRowsOf(const QList<SummaryRow>& rows) {
    QList<QStringList> cells;
    for (const SummaryRow& row : rows) cells.append({row.label, row.value});
    return cells;
}

QLabel* wrappingLabel(QWidget* parent, const char* name) {
    QLabel* label = sentenceLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

BacktestPage::BacktestPage(Services& services, int count, QWidget* parent)
    : QWidget(parent), services_(services) {
    auto* page = new QVBoxLayout(this);
    QHBoxLayout* controls = createControls(count);
    QHBoxLayout* source =
        controlRow({{buddyLabel(QStringLiteral("履歴:"), sourceBox_), sourceBox_, sourceLabel_}});
    source->addStretch();
    page->addLayout(source);
    page->addLayout(controls);
    page->addLayout(createSummary());
    chart_ = new ChartWidget(this);
    chart_->setObjectName(QStringLiteral("chart"));
    chart_->setAccessibleName(QStringLiteral("累積的中数と収支、偶然の期待値のグラフ"));
    page->addWidget(chart_, 1);
    // The page's first input takes the focus whenever the page is shown.
    setFocusProxy(sourceBox_);

    connect(sourceBox_, &QComboBox::activated, this, &BacktestPage::chooseSource);
    connect(countBox_, &QSpinBox::valueChanged, this, &BacktestPage::recompute);
    connect(lastBox_, &QSpinBox::valueChanged, this, &BacktestPage::recompute);
    connect(&watcher_, &QFutureWatcher<Backtest>::finished, this, &BacktestPage::finished);
    connect(&watcher_, &QFutureWatcher<Backtest>::progressRangeChanged, busy_,
            &QProgressBar::setRange);
    connect(&watcher_, &QFutureWatcher<Backtest>::progressValueChanged, busy_,
            &QProgressBar::setValue);
    connect(saveCsvButton_, &QPushButton::clicked, this, &BacktestPage::saveCsv);
    connect(saveChartButton_, &QPushButton::clicked, this, &BacktestPage::saveChart);
    showRefusal({});
}

// The history, N and K, the busy indicator while a computation runs, and the two save buttons.
QHBoxLayout* BacktestPage::createControls(int count) {
    sourceBox_ = new QComboBox(this);
    sourceBox_->setObjectName(QStringLiteral("sourceBox"));
    sourceBox_->addItems({kFolderSource, kFileSource});
    sourceBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    sourceBox_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    sourceLabel_ = new QLabel(this);
    sourceLabel_->setObjectName(QStringLiteral("sourceLabel"));
    countBox_ = new QSpinBox(this);
    countBox_->setObjectName(QStringLiteral("countBox"));
    countBox_->setRange(kFewestCombinations, kMostPredicted);
    countBox_->setValue(count);
    lastBox_ = new QSpinBox(this);
    lastBox_->setObjectName(QStringLiteral("lastBox"));
    lastBox_->setRange(0, 0);
    lastBox_->setSpecialValueText(QStringLiteral("すべての回"));
    lastBox_->setPrefix(QStringLiteral("新しい "));
    lastBox_->setSuffix(QStringLiteral(" 回"));
    lastBox_->setSingleStep(kLastStep);
    busyLabel_ = new QLabel(QStringLiteral("計算中…"), this);
    busy_ = new QProgressBar(this);
    busy_->setObjectName(QStringLiteral("busyIndicator"));
    busy_->setAccessibleName(QStringLiteral("計算中"));
    busy_->setTextVisible(false);
    busy_->setMaximumWidth(kBusyWidth);
    saveCsvButton_ = new QPushButton(QStringLiteral("CSV を保存…"), this);
    saveCsvButton_->setObjectName(QStringLiteral("saveCsvButton"));
    saveChartButton_ = new QPushButton(QStringLiteral("グラフを保存…"), this);
    saveChartButton_->setObjectName(QStringLiteral("saveChartButton"));

    QHBoxLayout* controls =
        controlRow({{buddyLabel(QStringLiteral("予想数 N:"), countBox_), countBox_},
                    {buddyLabel(QStringLiteral("採点する回:"), lastBox_), lastBox_},
                    {busyLabel_, busy_}});
    controls->addStretch();
    controls->addWidget(saveCsvButton_);
    controls->addWidget(saveChartButton_);
    return controls;
}

// The figures beside the sentence that says what they mean and the notes on the data.
QHBoxLayout* BacktestPage::createSummary() {
    figures_ = summaryTable(this, "figureTable", QStringLiteral("バックテストの数値"));
    money_ = summaryTable(this, "moneyTable", QStringLiteral("バックテストの収支"));
    realPrizeHeading_ = wrappingLabel(this, "realPrizeHeading");
    realPrizeMoney_ =
        summaryTable(this, "realPrizeTable", QStringLiteral("実際の賞金でのバックテストの収支"));
    conclusion_ = wrappingLabel(this, "conclusion");
    setBold(conclusion_);
    prizeNote_ = wrappingLabel(this, "prizeNote");
    notes_ = wrappingLabel(this, "notes");
    // The money stands beside the hits, under the sentence on them, so that the chart keeps its
    // height.
    auto* column = new QVBoxLayout;
    column->addWidget(conclusion_);
    // The money at the real prizes stands beside the theoretical one, to be read against it.
    auto* realPrizes = new QVBoxLayout;
    realPrizes->addWidget(realPrizeHeading_);
    realPrizes->addWidget(realPrizeMoney_, 0, Qt::AlignLeft);
    realPrizes->addStretch();
    auto* money = new QHBoxLayout;
    money->addWidget(money_, 0, Qt::AlignTop);
    money->addLayout(realPrizes, 1);
    column->addLayout(money);
    column->addWidget(prizeNote_);
    column->addWidget(notes_);
    column->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(figures_);
    row->addLayout(column, 1);
    return row;
}

// A computation still running stops at its next round; it holds the data it needs.
BacktestPage::~BacktestPage() {
    watcher_.future().cancel();
    watcher_.future().waitForFinished();
}

void BacktestPage::showData(std::shared_ptr<const StatisticsData> data) {
    folderData_ = std::move(data);
    if (sourceBox_->currentIndex() == FolderSource) use(folderData_);
}

void BacktestPage::chooseSource(int index) {
    if (index == FolderSource) {
        sourceLabel_->clear();
        use(folderData_);
        return;
    }
    const std::optional<QString> path = services_.fileDialogs.fileToOpen(
        QStringLiteral("バックテストする過去の結果のファイルを選ぶ"),
        QStringLiteral("テキスト (*.txt *.csv *.tsv);;すべてのファイル (*)"));
    std::optional<PastResults> read;
    if (path) {
        try {
            read = readPastResults(readFileAt(services_.folders, *path));
        } catch (const Failure& failure) {
            services_.dialogs.notify(failure.message(), QStringLiteral("読み取れません"),
                                     Notice::Warning);
        }
    }
    if (read) {
        if (const QStringList problems = readingProblems(*read, Language::Japanese);
            !problems.isEmpty()) {
            services_.dialogs.notify(problems.join(u'\n'), QStringLiteral("読み取れません"),
                                     Notice::Warning);
            read.reset();
        }
    }
    if (!read) {
        // The history stays the one backtested before.
        sourceBox_->setCurrentIndex(data_ == folderData_ ? FolderSource : FileSource);
        return;
    }
    auto fromFile = std::make_shared<StatisticsData>(roundsData(resultRounds(*read)));
    fromFile->prizes = read->prizes;
    sourceLabel_->setText(QStringLiteral("%1: %2").arg(
        QFileInfo(*path).fileName(),
        roundsText(fromFile->rounds.front().round, fromFile->counter, Language::Japanese)));
    use(fromFile);
}

void BacktestPage::use(std::shared_ptr<const StatisticsData> data) {
    data_ = std::move(data);
    const QSignalBlocker blocker(lastBox_);
    lastBox_->setMaximum(std::max<int>(1, int(data_->rounds.size())));
    recompute();
}

void BacktestPage::recompute() {
    if (!data_) return;
    watcher_.future().cancel();
    if (const std::optional<BacktestRefusal> refusal =
            backtestRefusal(data_->rounds, data_->counter)) {
        watcher_.setFuture({});
        showRefusal(refusalText(*refusal, kHistoryFile, qsizetype(data_->rounds.size()),
                                data_->counter, Language::Japanese));
        return;
    }
    const BacktestOptions options{countBox_->value(), lastBox_->value() > 0
                                                          ? std::optional(lastBox_->value())
                                                          : std::nullopt};
    busy_->setRange(0, 0);
    busyLabel_->show();
    busy_->show();
    watcher_.setFuture(
        runInBackground<Backtest>([data = data_, options](const WorkProgress& progress) {
            return runBacktest(data->rounds, options, progress);
        }));
}

void BacktestPage::finished() {
    const QFuture<Backtest> future = watcher_.future();
    if (future.isCanceled() || future.resultCount() == 0) return;
    busyLabel_->hide();
    busy_->hide();
    showBacktest(future.result());
    emit computed();
}

void BacktestPage::showBacktest(const Backtest& backtest) {
    shown_ = backtest;
    const SummaryText summary =
        summaryText(backtest.rounds, countBox_->value(), Language::Japanese, data_->prizes);
    figures_->setRows(QList<QStringList>{{QStringLiteral("対象"), summary.scope}} +
                      tableRowsOf(summary.rows));
    money_->setRows(tableRowsOf(summary.moneyRows));
    showRealPrizes(summary);
    conclusion_->setText(summary.conclusion);
    prizeNote_->setText(summary.prizeNote);
    notes_->setText(backtestNotes(backtest, *data_, Language::Japanese).join(u'\n'));
    chart_->setSeries(chartSeries(backtest.rounds));
    saveCsvButton_->setEnabled(true);
    saveChartButton_->setEnabled(true);
}

void BacktestPage::showRealPrizes(const SummaryText& summary) {
    const bool known = !summary.realPrizeRows.isEmpty();
    realPrizeHeading_->setText(summary.realPrizeHeading);
    realPrizeMoney_->setRows(tableRowsOf(summary.realPrizeRows));
    realPrizeHeading_->setVisible(known);
    realPrizeMoney_->setVisible(known);
}

void BacktestPage::showRefusal(const QString& reason) {
    shown_.reset();
    busyLabel_->hide();
    busy_->hide();
    figures_->setRows({});
    money_->setRows({});
    showRealPrizes({});
    conclusion_->setText(reason);
    prizeNote_->clear();
    notes_->clear();
    chart_->setSeries({});
    saveCsvButton_->setEnabled(false);
    saveChartButton_->setEnabled(false);
}

void BacktestPage::saveCsv() {
    save(QStringLiteral("各回の結果を CSV で保存"), QStringLiteral("backtest.csv"),
         QStringLiteral("CSV (*.csv)"), [prizes = data_->prizes](const Backtest& shown) {
             return csvBytes(shown.rounds, prizes);
         });
}

void BacktestPage::saveChart() {
    save(QStringLiteral("グラフを PNG で保存"), QStringLiteral("backtest.png"),
         QStringLiteral("PNG 画像 (*.png)"), [](const Backtest& shown) {
             return pngBytes(drawBacktestChart(shown.rounds, Language::Japanese));
         });
}

void BacktestPage::save(const QString& caption, const QString& suggestedName, const QString& filter,
                        const std::function<QByteArray(const Backtest&)>& bytesOf) {
    const std::optional<QString> path =
        services_.fileDialogs.fileToSave(caption, suggestedName, filter);
    if (!path || !shown_) return;
    try {
        commitFileAt(services_.folders, *path, bytesOf(*shown_));
    } catch (const Failure& failure) {
        services_.dialogs.notify(failure.message(), kSaveFailedTitle, Notice::Warning);
    }
}

}  // namespace k4
