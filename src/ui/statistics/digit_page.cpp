#include "ui/statistics/digit_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "analysis/digit_statistics.h"
#include "data/box_match.h"
#include "data/file_names.h"
#include "ui/statistics/figure_table.h"
#include "ui/statistics/page_labels.h"

namespace k4 {
namespace {

constexpr int kListed = 10;
// The newest results the page counts, besides all of them.
constexpr int kScopes[] = {100, 500};
constexpr int kListGap = 24;
// Below this many results the chi-square approximation is rough (fewer than 5 a cell).
constexpr int kFewestForTheTest = 50;
const QStringList kPlaceNames = {QStringLiteral("千の位"), QStringLiteral("百の位"),
                                 QStringLiteral("十の位"), QStringLiteral("一の位")};
const QColor kCoolest(255, 255, 255);
const QColor kHottest(240, 120, 40);

QString pText(double p) {
    return p < 0.0001 ? QStringLiteral("< 0.0001") : QString::number(p, 'f', 4);
}

QString expectedText(double expected) {
    return QString::number(expected, 'f', 2);
}

// White for the least frequent digit of the table, orange for the most frequent.
QColor heat(int count, int least, int most) {
    const double t = most > least ? double(count - least) / (most - least) : 0.0;
    const auto mix = [t](int cool, int hot) { return int(cool + t * (hot - cool) + 0.5); };
    return QColor(mix(kCoolest.red(), kHottest.red()), mix(kCoolest.green(), kHottest.green()),
                  mix(kCoolest.blue(), kHottest.blue()));
}

QString verdictText(const DigitStatistics& statistics) {
    QStringList departing;
    for (int place = 0; place < kPlaces; ++place)
        if (statistics.tests[place].holmPValue < kSignificance)
            departing << QStringLiteral("%1 (補正後の p 値 %2)")
                             .arg(kPlaceNames[place], pText(statistics.tests[place].holmPValue));
    QString verdict =
        departing.isEmpty()
            ? QStringLiteral(
                  "どの位の数字の出方も、偶然と区別できません (四つの検定を Holm "
                  "の方法で補正した p 値がどれも %1 以上)。")
                  .arg(kSignificance)
            : QStringLiteral(
                  "%1 の数字の出方は、偶然から外れています (四つの検定を Holm の方法で"
                  "補正した p 値が %2 未満)。")
                  .arg(departing.join(QStringLiteral("、")))
                  .arg(kSignificance);
    if (statistics.results < kFewestForTheTest)
        verdict += QStringLiteral(" ただし結果が %1 件と少ないため、検定はあてになりません。")
                       .arg(statistics.results);
    return verdict;
}

QList<QStringList> boxRows(const std::vector<BoxCount>& boxes) {
    QList<QStringList> rows;
    for (const BoxCount& box : boxes)
        rows.append({box.combination, QString::number(box.draws), expectedText(box.expected)});
    return rows;
}

QLabel* heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    setBold(label);
    return label;
}

}  // namespace

DigitPage::DigitPage(QWidget* parent) : QWidget(parent) {
    auto* page = new QVBoxLayout(this);
    page->addLayout(createControls());
    page->addLayout(createDigitTable());
    page->addLayout(createBoxLists(), 1);
    // The page's first input takes the focus whenever the page is shown.
    setFocusProxy(scope_);
    connect(scope_, &QComboBox::currentIndexChanged, this, &DigitPage::refresh);
}

// Which results to count, and how many that are.
QHBoxLayout* DigitPage::createControls() {
    scope_ = new QComboBox(this);
    scope_->setObjectName(QStringLiteral("scopeBox"));
    for (const int newest : kScopes)
        scope_->addItem(QStringLiteral("新しい %1 回").arg(newest), newest);
    scope_->addItem(QStringLiteral("すべての回"), std::numeric_limits<int>::max());
    counted_ = new QLabel(this);
    counted_->setObjectName(QStringLiteral("countedLabel"));
    QHBoxLayout* controls =
        controlRow({{buddyLabel(QStringLiteral("対象:"), scope_), scope_}, {counted_}});
    controls->addStretch();
    return controls;
}

// The counts of each digit in each place beside the verdict of the tests and how to read them.
QHBoxLayout* DigitPage::createDigitTable() {
    QSet<int> placeColumns;
    for (int place = 1; place <= kPlaces; ++place) placeColumns.insert(place);
    heatMap_ =
        new FigureTable(QStringList{QStringLiteral("数字")} + kPlaceNames, placeColumns, this);
    heatMap_->setObjectName(QStringLiteral("heatMap"));
    heatMap_->setAccessibleName(QStringLiteral("位ごとの数字の出現回数"));
    heatMap_->fitRows();
    heatMap_->fitColumns();
    verdict_ = sentenceLabel(this);
    verdict_->setObjectName(QStringLiteral("verdict"));
    setBold(verdict_);
    QLabel* explanation = sentenceLabel(
        this,
        QStringLiteral("表の数は、その位にその数字が出た回数です (色が濃いほど多い)。下の三行は、"
                       "位ごとに「どの数字も同じ確率で出る」とした χ² 検定 (自由度 %1) の統計量と"
                       " p 値、四つの検定を Holm の方法で補正した p 値です。")
            .arg(kDegreesOfFreedom));
    return besideSentences(heatMap_, {verdict_, explanation});
}

// The box combinations drawn most and least often and the longest-waiting ones, side by side.
QHBoxLayout* DigitPage::createBoxLists() {
    const QStringList boxHeaders = {QStringLiteral("組み合わせ"), QStringLiteral("回数"),
                                    QStringLiteral("期待値")};
    mostDrawn_ = new FigureTable(boxHeaders, {1, 2}, this);
    mostDrawn_->setObjectName(QStringLiteral("mostDrawn"));
    leastDrawn_ = new FigureTable(boxHeaders, {1, 2}, this);
    leastDrawn_->setObjectName(QStringLiteral("leastDrawn"));
    waiting_ = new FigureTable(
        {QStringLiteral("位置"), QStringLiteral("組み合わせ"), QStringLiteral("待った回数")}, {0},
        this);
    waiting_->setObjectName(QStringLiteral("longestWaiting"));
    neverDrawn_ = new QLabel(this);
    neverDrawn_->setObjectName(QStringLiteral("neverDrawn"));

    auto* lists = new QHBoxLayout;
    const auto addList = [&](const QString& title, FigureTable* table, QLabel* note) {
        table->fitRows();
        table->fitColumns();
        table->setAccessibleName(title);
        auto* column = new QVBoxLayout;
        column->addWidget(heading(title, this));
        column->addWidget(table);
        if (note) column->addWidget(note);
        column->addStretch();
        lists->addLayout(column);
        lists->addSpacing(kListGap);
    };
    addList(QStringLiteral("よく出た組み合わせ (ボックス)"), mostDrawn_, nullptr);
    addList(QStringLiteral("あまり出ない組み合わせ (ボックス)"), leastDrawn_, neverDrawn_);
    addList(QStringLiteral("待ちが長い組み合わせ (%1 の先頭)").arg(kCandidateFile), waiting_,
            nullptr);
    lists->addStretch();
    return lists;
}

void DigitPage::showData(std::shared_ptr<const StatisticsData> data) {
    data_ = std::move(data);
    refresh();
}

void DigitPage::refresh() {
    if (!data_) return;
    const DigitStatistics statistics =
        digitStatistics(data_->history, scope_->currentData().toInt(), kListed);
    counted_->setText(QStringLiteral("%1 件の結果を数えました").arg(statistics.results));
    if (statistics.results == 0) {
        // Counts, tests and rankings of no draw at all would be figures made of nothing.
        heatMap_->setRows({});
        mostDrawn_->setRows({});
        leastDrawn_->setRows({});
        neverDrawn_->clear();
        verdict_->setText(
            QStringLiteral("数える結果がまだありません (%1 に四桁の数字の結果がありません)。")
                .arg(kHistoryFile));
    } else {
        showDigitCounts(statistics);
        showBoxes(statistics);
    }
    showWaiting();
}

void DigitPage::showDigitCounts(const DigitStatistics& statistics) {
    QList<QStringList> rows;
    for (int digit = 0; digit < kDigitValues; ++digit) {
        QStringList row{QString::number(digit)};
        for (int place = 0; place < kPlaces; ++place)
            row << QString::number(statistics.counts[place][digit]);
        rows << row;
    }
    QStringList statisticRow{QStringLiteral("χ²")}, pRow{QStringLiteral("p 値")},
        holmRow{QStringLiteral("補正後")};
    for (const PlaceTest& test : statistics.tests) {
        statisticRow << QString::number(test.statistic, 'f', 2);
        pRow << pText(test.pValue);
        holmRow << pText(test.holmPValue);
    }
    rows << statisticRow << pRow << holmRow;
    heatMap_->setRows(rows);
    int least = std::numeric_limits<int>::max(), most = 0;
    for (const auto& place : statistics.counts) {
        least = std::min(least, *std::min_element(place.begin(), place.end()));
        most = std::max(most, *std::max_element(place.begin(), place.end()));
    }
    for (int digit = 0; digit < kDigitValues; ++digit)
        for (int place = 0; place < kPlaces; ++place)
            heatMap_->item(digit, place + 1)
                ->setBackground(heat(statistics.counts[place][digit], least, most));
    verdict_->setText(verdictText(statistics));
}

void DigitPage::showBoxes(const DigitStatistics& statistics) {
    mostDrawn_->setRows(boxRows(statistics.mostDrawn));
    leastDrawn_->setRows(boxRows(statistics.leastDrawn));
    neverDrawn_->setText(QStringLiteral("一度も出ていない組み合わせ:\n%1 通りのうち %2 通り")
                             .arg(kBoxCombinations)
                             .arg(statistics.neverDrawn));
}

void DigitPage::showWaiting() {
    QList<QStringList> waitingRows;
    const int rounds = int(data_->rounds.size());
    for (const WaitingCombination& combination :
         longestWaiting(*data_->candidates, data_->history, kListed))
        waitingRows.append({QString::number(combination.slot), combination.combination,
                            combination.roundsWaited
                                ? QStringLiteral("%1 回").arg(*combination.roundsWaited)
                                : QStringLiteral("%1 回以上").arg(rounds)});
    waiting_->setRows(waitingRows);
}

}  // namespace k4
