#include "ui/statistics/prize_entry_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "import/cell_values.h"

namespace k4 {
namespace {

constexpr int kAmountWidth = 140;

// The amounts in the order of the results page, with the names of their boxes.
struct AmountField {
    const char16_t* label;
    const char* name;
};
constexpr std::array<AmountField, 4> kFields{{
    {u"ストレート(&S):", "straightBox"},
    {u"ボックス(&B):", "boxBox"},
    {u"セット(ストレート)(&T):", "setStraightBox"},
    {u"セット(ボックス)(&X):", "setBoxBox"},
}};

}  // namespace

TypedAmount typedAmount(const QString& typed) {
    if (typed.trimmed().isEmpty()) return {};
    // Typed as the import reads a prize cell; 0 and 該当なし, like an empty box, keep no amount.
    const std::optional<qint64> yen = prizeIn(typed);
    if (!yen)
        return {std::nullopt,
                QStringLiteral("「%1」は円の金額 (整数) ではありません。").arg(typed)};
    return {*yen > 0 ? yen : std::nullopt, {}};
}

PrizeEntryDialog::PrizeEntryDialog(const std::vector<RoundPrizes>& rounds, QWidget* parent)
    : QDialog(parent), rounds_(rounds) {
    setObjectName(QStringLiteral("prizeEntryDialog"));
    setWindowTitle(QStringLiteral("当せん金の入力"));
    roundBox_ = new QComboBox(this);
    roundBox_->setObjectName(QStringLiteral("prizeRoundBox"));
    for (const RoundPrizes& round : rounds_)
        roundBox_->addItem(QStringLiteral("第%1回").arg(round.round));
    resultLabel_ = new QLabel(this);
    resultLabel_->setObjectName(QStringLiteral("prizeResultLabel"));
    const auto showResult = [this](int index) {
        resultLabel_->setText(rounds_[std::size_t(index)].result);
    };
    showResult(0);
    connect(roundBox_, &QComboBox::currentIndexChanged, this, showResult);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("回(&R):"), roundBox_);
    form->addRow(QStringLiteral("当せん番号:"), resultLabel_);
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(kFields[i].name));
        box->setMinimumWidth(kAmountWidth);
        box->setAlignment(Qt::AlignRight);
        auto* row = new QHBoxLayout;
        row->addWidget(box);
        row->addWidget(new QLabel(QStringLiteral("円"), this));
        auto* label = new QLabel(QString::fromUtf16(kFields[i].label), this);
        label->setBuddy(box);
        form->addRow(label, row);
        amountBoxes_[i] = box;
    }
    auto* note =
        new QLabel(QStringLiteral("1 口あたりの金額を、結果のページにあるとおりに入力します。"
                                  "わからない金額は空けておきます。"),
                   this);
    note->setWordWrap(true);
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("prizeProblem"));
    problem_->setWordWrap(true);
    problem_->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("記録"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("prizeOkButton"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PrizeEntryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(form);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
}

RoundPrizes PrizeEntryDialog::prizes() const {
    RoundPrizes prizes = rounds_[std::size_t(roundBox_->currentIndex())];
    std::array<std::optional<qint64>*, 4> amounts{&prizes.straight, &prizes.box,
                                                  &prizes.setStraight, &prizes.setBox};
    for (std::size_t i = 0; i < amounts.size(); ++i)
        *amounts[i] = typedAmount(amountBoxes_[i]->text()).yen;
    return prizes;
}

void PrizeEntryDialog::accept() {
    for (QLineEdit* box : amountBoxes_) {
        if (const QString problem = typedAmount(box->text()).problem; !problem.isEmpty()) {
            problem_->setText(problem);
            problem_->show();
            box->setFocus();
            box->selectAll();
            return;
        }
    }
    QDialog::accept();
}

}  // namespace k4
