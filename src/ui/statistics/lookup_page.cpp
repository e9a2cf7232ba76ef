#include "ui/statistics/lookup_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "analysis/number_record.h"
#include "data/digits.h"
#include "data/file_names.h"
#include "platform/dialogs.h"
#include "predict/prediction.h"
#include "register/result_input.h"
#include "ui/services.h"
#include "ui/statistics/figure_table.h"
#include "ui/statistics/page_labels.h"

namespace k4 {
namespace {

constexpr int kLastDraws = 5;
const QString kNotFourDigits = QStringLiteral("四桁の数字を入力してください。");
const QString kTitle = QStringLiteral("番号を調べる");

// When a draw came: its round, or how many rounds ago it came while the counter gives the
// results no rounds.
QString whenDrawn(const HistoryRound& draw, const StatisticsData& data) {
    const bool roundsKnown = !backtestRefusal(data.rounds, data.counter);
    const QString when =
        roundsKnown ? QStringLiteral("第 %1 回").arg(draw.round)
                    : QStringLiteral("%1 回前").arg(data.rounds.back().round - draw.round + 1);
    return QStringLiteral("%1 (%2)").arg(when, draw.text);
}

QString slotText(const NumberRecord& record) {
    if (!record.slot)
        return QStringLiteral("ありません (候補表は三種類以上の数字からなる %1 通りです)")
            .arg(CandidateTable::kSlotCount);
    return QStringLiteral("%1 の %2 番目").arg(kCandidateFile).arg(*record.slot);
}

QString predictableText(const NumberRecord& record) {
    const QString range =
        QStringLiteral("%1〜%2 番目").arg(kFirstPredictableSlot).arg(kLastPredictableSlot);
    if (record.predictable)
        return QStringLiteral("なり得ます (予想は候補表の %1から選びます)").arg(range);
    return QStringLiteral("なりません (予想は候補表の %1から選びます)").arg(range);
}

QString boxChanceText(const NumberRecord& record) {
    if (!record.boxTicket)
        return QStringLiteral("ありません (四つとも同じ数字のゾロ目は、ボックスでは買えません)");
    return QStringLiteral("%1 / %2 (%3%)")
        .arg(record.boxArrangements)
        .arg(kPossibleDraws)
        .arg(100.0 * record.boxArrangements / kPossibleDraws, 0, 'f', 2);
}

}  // namespace

LookupPage::LookupPage(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
    numberBox_ = new QLineEdit(this);
    numberBox_->setObjectName(QStringLiteral("numberBox"));
    numberBox_->setMaximumWidth(120);
    lookUpButton_ = new QPushButton(QStringLiteral("調べる"), this);
    lookUpButton_->setObjectName(QStringLiteral("lookUpButton"));
    QHBoxLayout* controls = controlRow(
        {{buddyLabel(QStringLiteral("四桁の数字:"), numberBox_), numberBox_, lookUpButton_}});
    controls->addStretch();

    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("recordTitle"));
    setBold(title_);
    record_ = new FigureTable({QStringLiteral("項目"), QStringLiteral("値")}, {}, this);
    record_->setObjectName(QStringLiteral("recordTable"));
    record_->setAccessibleName(QStringLiteral("番号の記録"));
    record_->fitRows();

    auto* page = new QVBoxLayout(this);
    page->addLayout(controls);
    page->addWidget(title_);
    page->addWidget(record_);
    page->addStretch();
    // The page's first input takes the focus whenever the page is shown.
    setFocusProxy(numberBox_);

    connect(lookUpButton_, &QPushButton::clicked, this, &LookupPage::lookUpTyped);
    connect(numberBox_, &QLineEdit::returnPressed, this, &LookupPage::lookUpTyped);
    // A record stays on the page only while the box holds the number it is of.
    connect(numberBox_, &QLineEdit::textEdited, this, [this] {
        number_.clear();
        title_->clear();
        record_->setRows({});
    });
}

void LookupPage::showData(std::shared_ptr<const StatisticsData> data) {
    data_ = std::move(data);
    showRecord();
}

void LookupPage::lookUpTyped() {
    const std::optional<QString> number = storedResult(numberBox_->text());
    if (!number) {
        services_.dialogs.notify(kNotFourDigits, kTitle, Notice::Warning);
        return;
    }
    number_ = *number;
    showRecord();
}

void LookupPage::showRecord() {
    if (!data_ || number_.isEmpty()) return;
    const NumberRecord record =
        numberRecord(number_, data_->rounds, *data_->candidates, kLastDraws);
    const int results = int(data_->rounds.size());
    title_->setText(QStringLiteral("%1 の記録 (%2 の %3 件の結果から)")
                        .arg(number_, kHistoryFile)
                        .arg(results));
    QList<QStringList> rows = {
        {QStringLiteral("ストレートで出た回数"), QStringLiteral("%1 回").arg(record.straightDraws)},
        {QStringLiteral("ボックスで出た回数"), QStringLiteral("%1 回").arg(record.boxDraws)},
    };
    for (std::size_t i = 0; i < record.lastDraws.size(); ++i)
        rows.append({i == 0 ? QStringLiteral("最近ボックスで出た回") : QString(),
                     whenDrawn(record.lastDraws[i], *data_)});
    if (record.lastDraws.empty())
        rows.append({QStringLiteral("最近ボックスで出た回"), QStringLiteral("ありません")});
    rows << QStringList{QStringLiteral("今日の候補表での位置"), slotText(record)}
         << QStringList{QStringLiteral("予想の対象"), predictableText(record)}
         << QStringList{QStringLiteral("1 枚のボックスが当たる確率"), boxChanceText(record)};
    record_->setRows(rows);
}

}  // namespace k4
