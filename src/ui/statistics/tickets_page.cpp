#include "ui/statistics/tickets_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <numeric>

#include "data/data_files.h"
#include "data/digits.h"
#include "data/file_names.h"
#include "data/folder_commit.h"
#include "money/book_keeping.h"
#include "money/lottery_money.h"
#include "money/ticket_csv.h"
#include "money/ticket_totals.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/failure.h"
#include "platform/file_dialogs.h"
#include "platform/numbers.h"
#include "register/result_input.h"
#include "ui/command_boundary.h"
#include "ui/services.h"
#include "ui/statistics/chart_widget.h"
#include "ui/statistics/figure_table.h"
#include "ui/statistics/page_labels.h"
#include "ui/statistics/prize_entry_dialog.h"
#include "ui/statistics/text_table_model.h"
#include "ui/statistics/ticket_book_texts.h"

namespace k4 {
namespace {

const QString kTitle = QStringLiteral("購入と収支");
const QString kNotFourDigits = QStringLiteral("番号は四桁の数字で入力してください。");
const QString kPredictFirst =
    QStringLiteral("記録する予想がありません。先にメインウィンドウで「予想」を押してください。");
constexpr int kNumberWidth = 90;
constexpr int kBookMinimumHeight = 160;
constexpr int kChartMinimumWidth = 360;
constexpr int kChartMinimumHeight = 240;
enum PeriodChoice { ByMonth, ByYear };
constexpr std::array kKinds{TicketKind::Straight, TicketKind::Box, TicketKind::Set};

// The book's columns; 代金 and 当せん金 are figures.
const QStringList kBookHeaders = {QStringLiteral("購入日"),   QStringLiteral("回"),
                                  QStringLiteral("番号"),     QStringLiteral("種類"),
                                  QStringLiteral("口数"),     QStringLiteral("代金"),
                                  QStringLiteral("当せん金"), QStringLiteral("結果")};
constexpr int kCostColumn = 5;
constexpr int kPrizeColumn = 6;
constexpr int kResultColumn = 7;

bool isFourEqual(const QString& number) {
    return number.count(number.front()) == number.size();
}

// The round a text names: a whole number from 1 to the last round, in full-width digits too.
std::optional<qint32> roundIn(const QString& text) {
    bool ok = false;
    const int round = text.normalized(QString::NormalizationForm_KC).trimmed().toInt(&ok);
    if (!ok || round < 1 || round > kLargestCounter) return std::nullopt;
    return round;
}

QString roundList(const std::vector<qint32>& rounds) {
    QStringList texts;
    for (const qint32 round : rounds) texts << QStringLiteral("第%1回").arg(round);
    return texts.join(QStringLiteral("、"));
}

QSpinBox* countBox(QWidget* parent, const char* name, int most, const QString& suffix) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(1, most);
    box->setSuffix(suffix);
    return box;
}

}  // namespace

TicketsPage::TicketsPage(Services& services, std::function<ListedPrediction()> listedPrediction,
                         std::function<void()> changed, QWidget* parent)
    : QWidget(parent),
      services_(services),
      listedPrediction_(std::move(listedPrediction)),
      changed_(std::move(changed)) {
    notes_ = sentenceLabel(this);
    notes_->setObjectName(QStringLiteral("ticketNotes"));
    notes_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bookModel_ = new TextTableModel(kBookHeaders, {kCostColumn, kPrizeColumn}, this);
    bookTable_ = textTableView(bookModel_, this);
    bookTable_->setObjectName(QStringLiteral("ticketTable"));
    bookTable_->setAccessibleName(QStringLiteral("購入の記録"));
    bookTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    bookTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    bookTable_->setMinimumHeight(kBookMinimumHeight);
    chart_ = new BalanceChart(this);
    chart_->setObjectName(QStringLiteral("balanceChart"));
    chart_->setAccessibleName(QStringLiteral("回ごとの収支の累計のグラフ"));
    chart_->setMinimumSize(kChartMinimumWidth, kChartMinimumHeight);

    periodBox_ = new QComboBox(this);
    periodBox_->setObjectName(QStringLiteral("periodBox"));
    periodBox_->addItems({QStringLiteral("月別"), QStringLiteral("年別")});
    periodBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    periodBox_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    periodModel_ = new TextTableModel(periodHeaders(), {1, 2, 3, 4, 5, 6}, this);
    periodTable_ = textTableView(periodModel_, this);
    // Figures all: none is stretched away from the others.
    periodTable_->horizontalHeader()->setStretchLastSection(false);
    periodTable_->setObjectName(QStringLiteral("periodTable"));
    periodTable_->setAccessibleName(QStringLiteral("月別または年別の収支"));
    QHBoxLayout* periodRow =
        controlRow({{buddyLabel(QStringLiteral("購入日の期間ごと(&P):"), periodBox_), periodBox_}});
    periodRow->addStretch();

    // The book across the page; under it the totals beside the chart, then the periods, whose
    // columns take the page's width.
    auto* totals = new QVBoxLayout;
    totals->addLayout(createTotals());
    totals->addStretch();
    auto* money = new QHBoxLayout;
    money->addLayout(totals);
    money->addWidget(chart_, 1);
    auto* periods = new QVBoxLayout;
    periods->addLayout(periodRow);
    periods->addWidget(periodTable_, 1);

    auto* page = new QVBoxLayout(this);
    page->addLayout(createEntryRow());
    page->addWidget(notes_);
    page->addLayout(createBookButtons());
    page->addWidget(bookTable_, 2);
    page->addLayout(money, 3);
    page->addLayout(periods, 2);
    // The page's first input takes the focus whenever the page is shown.
    setFocusProxy(numberBox_);

    connect(recordButton_, &QPushButton::clicked, this, &TicketsPage::recordTyped);
    connect(numberBox_, &QLineEdit::returnPressed, this, &TicketsPage::recordTyped);
    connect(predictionButton_, &QPushButton::clicked, this, &TicketsPage::recordPrediction);
    connect(deleteButton_, &QPushButton::clicked, this, &TicketsPage::deleteSelected);
    auto* deleteKey = new QShortcut(QKeySequence::Delete, bookTable_);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &TicketsPage::deleteSelected);
    connect(prizeButton_, &QPushButton::clicked, this, &TicketsPage::enterPrizes);
    connect(saveCsvButton_, &QPushButton::clicked, this, &TicketsPage::saveCsv);
    connect(periodBox_, &QComboBox::currentIndexChanged, this, &TicketsPage::showPeriods);
    connect(bookTable_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        deleteButton_->setEnabled(bookReads_ && bookTable_->selectionModel()->hasSelection());
    });
}

// The number, its kind, units, first round and rounds, and 記録; under them 予想を記録, where the
// main window is there to ask.
QLayout* TicketsPage::createEntryRow() {
    numberBox_ = new QLineEdit(this);
    numberBox_->setObjectName(QStringLiteral("ticketNumberBox"));
    numberBox_->setFixedWidth(kNumberWidth);
    kindBox_ = new QComboBox(this);
    kindBox_->setObjectName(QStringLiteral("ticketKindBox"));
    for (const TicketKind kind : kKinds) kindBox_->addItem(ticketKindText(kind));
    kindBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    kindBox_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    kindBox_->setCurrentIndex(int(std::ranges::find(kKinds, TicketKind::Box) - kKinds.begin()));
    unitsBox_ = countBox(this, "ticketUnitsBox", kMostTicketUnits, QStringLiteral(" 口"));
    firstRoundBox_ = countBox(this, "ticketFirstRoundBox", kLargestCounter, QString());
    firstRoundBox_->setPrefix(QStringLiteral("第 "));
    firstRoundBox_->setSuffix(QStringLiteral(" 回"));
    roundsBox_ = countBox(this, "ticketRoundsBox", kMostTicketRounds, QStringLiteral(" 回"));
    recordButton_ = new QPushButton(QStringLiteral("記録"), this);
    recordButton_->setObjectName(QStringLiteral("recordTicketButton"));
    QHBoxLayout* entry =
        controlRow({{buddyLabel(QStringLiteral("番号(&N):"), numberBox_), numberBox_},
                    {buddyLabel(QStringLiteral("種類(&K):"), kindBox_), kindBox_},
                    {buddyLabel(QStringLiteral("口数(&U):"), unitsBox_), unitsBox_},
                    {buddyLabel(QStringLiteral("開始回(&F):"), firstRoundBox_), firstRoundBox_},
                    {buddyLabel(QStringLiteral("継続(&C):"), roundsBox_), roundsBox_},
                    {recordButton_}});
    entry->addStretch();

    predictionButton_ = new QPushButton(QStringLiteral("予想を記録"), this);
    predictionButton_->setObjectName(QStringLiteral("recordPredictionButton"));
    auto* predictionNote = new QLabel(
        QStringLiteral("メインウィンドウの予想を、次回からのボックスとして上の口数と継続で"
                       "記録します。"),
        this);
    QHBoxLayout* prediction = controlRow({{predictionButton_, predictionNote}});
    prediction->addStretch();
    predictionButton_->setVisible(bool(listedPrediction_));
    predictionNote->setVisible(bool(listedPrediction_));

    auto* rows = new QVBoxLayout;
    rows->addLayout(entry);
    rows->addLayout(prediction);
    return rows;
}

QLayout* TicketsPage::createBookButtons() {
    deleteButton_ = new QPushButton(QStringLiteral("削除…"), this);
    deleteButton_->setObjectName(QStringLiteral("deleteTicketButton"));
    prizeButton_ = new QPushButton(QStringLiteral("当せん金を入力…"), this);
    prizeButton_->setObjectName(QStringLiteral("enterPrizeButton"));
    saveCsvButton_ = new QPushButton(QStringLiteral("CSV を保存…"), this);
    saveCsvButton_->setObjectName(QStringLiteral("saveTicketCsvButton"));
    auto* heading = new QLabel(QStringLiteral("購入の記録 (新しい順)"), this);
    setBold(heading);
    QHBoxLayout* row = controlRow({{heading}});
    row->addStretch();
    row->addWidget(deleteButton_);
    row->addWidget(prizeButton_);
    row->addWidget(saveCsvButton_);
    return row;
}

QLayout* TicketsPage::createTotals() {
    auto* heading = new QLabel(QStringLiteral("収支"), this);
    setBold(heading);
    totalsTable_ = new FigureTable({QStringLiteral("項目"), QStringLiteral("値")}, {1}, this);
    totalsTable_->setObjectName(QStringLiteral("ticketTotals"));
    totalsTable_->setAccessibleName(QStringLiteral("購入の収支"));
    totalsTable_->fitRows();
    totalsTable_->fitColumns();
    auto* column = new QVBoxLayout;
    column->addWidget(heading);
    column->addWidget(totalsTable_);
    return column;
}

void TicketsPage::showFiles(const DataFilesState& state) {
    shownFrom_ = state;
    drawn_ = drawnRoundsIn(state);
    TicketBookReading tickets = ticketsIn(state);
    PrizeFileReading prizes = prizesIn(state);
    bookReads_ = !tickets.problem;
    prizesRead_ = !prizes.problem;
    book_ = std::move(tickets.tickets);
    prizes_ = std::move(prizes.prizes);
    settled_ = settle(book_, drawn_, prizes_);

    QStringList notes;
    if (tickets.problem)
        notes << rowProblemText(kTicketFile, *tickets.problem) +
                     QStringLiteral(" 直すまで、券の記録と削除はできません。");
    if (prizes.problem)
        notes << rowProblemText(kPrizeFile, *prizes.problem) +
                     QStringLiteral(" 直すまで、当せん金は使わず、入力もできません。");
    if (const std::vector<qint32> setAside = roundsSetAside(settled_); !setAside.empty())
        notes << QStringLiteral(
                     "%1 は %2 の当せん番号が %3 と違うため、その行の当せん金を"
                     "使っていません。")
                     .arg(roundList(setAside), kPrizeFile, kHistoryFile);
    notes_->setText(notes.join(u'\n'));
    notes_->setVisible(!notes.isEmpty());

    // The first round follows the next round to be drawn, unless the player chose another.
    const int nextRound = std::min(drawn_.newest + 1, kLargestCounter);
    if (firstRoundBox_->value() == suggestedRound_) firstRoundBox_->setValue(nextRound);
    suggestedRound_ = nextRound;

    for (QWidget* entry :
         std::initializer_list<QWidget*>{numberBox_, kindBox_, unitsBox_, firstRoundBox_,
                                         roundsBox_, recordButton_, predictionButton_})
        entry->setEnabled(bookReads_);
    showBook();
}

void TicketsPage::showBook() {
    // Newest first: the latest purchase date first, the last recorded first on one date.
    rowTickets_.resize(book_.size());
    std::iota(rowTickets_.rbegin(), rowTickets_.rend(), 0);
    std::ranges::stable_sort(rowTickets_, [this](qsizetype a, qsizetype b) {
        return book_[std::size_t(a)].bought > book_[std::size_t(b)].bought;
    });
    const std::vector<std::span<const SettledRound>> rounds = roundsByTicket(book_, settled_);
    QList<QStringList> rows;
    rows.reserve(qsizetype(book_.size()));
    for (const qsizetype index : rowTickets_) {
        const Ticket& ticket = book_[std::size_t(index)];
        const std::span<const SettledRound> own = rounds[std::size_t(index)];
        qint64 prizes = 0;
        for (const SettledRound& round : own) prizes += round.prizeYen;
        rows.append({ticket.bought.toString(QStringLiteral("yyyy/MM/dd")), roundsCell(ticket),
                     ticket.number, ticketKindText(ticket.kind),
                     QStringLiteral("%1 口").arg(ticket.units),
                     yenCell(kUnitYen * ticket.units * ticket.rounds),
                     prizes > 0 ? yenCell(prizes) : QString(), resultsCell(own)});
    }
    // Each round of a ticket of several rounds, on its result.
    QStringList toolTips;
    toolTips.reserve(rows.size());
    for (const qsizetype index : rowTickets_) {
        QStringList lines;
        if (const std::span<const SettledRound> own = rounds[std::size_t(index)]; own.size() > 1)
            for (const SettledRound& round : own)
                lines << QStringLiteral("第%1回: %2").arg(round.round).arg(roundResultText(round));
        toolTips << lines.join(u'\n');
    }
    bookModel_->setRows(std::move(rows), kResultColumn, std::move(toolTips));
    deleteButton_->setEnabled(false);

    const TicketTotals totals = totalsOf(book_, settled_);
    totalsTable_->setRows(totalsRows(totals));
    prizeButton_->setEnabled(prizesRead_ && !roundsWithoutAmount(settled_).empty());
    saveCsvButton_->setEnabled(!settled_.empty());
    showPeriods();
    chart_->setBalances(balanceByRound(settled_));
}

void TicketsPage::showPeriods() {
    const std::vector<PeriodTotals> periods = periodBox_->currentIndex() == ByYear
                                                  ? totalsByYear(book_, settled_)
                                                  : totalsByMonth(book_, settled_);
    QList<QStringList> rows;
    // The newest period first, as the book.
    for (auto period = periods.rbegin(); period != periods.rend(); ++period)
        rows.append(periodRow(*period));
    periodModel_->setRows(std::move(rows));
}

Ticket TicketsPage::ticketOf(const QString& number, TicketKind kind, qint32 firstRound) const {
    return {services_.clock.today(), firstRound, roundsBox_->value(), number, kind,
            unitsBox_->value()};
}

void TicketsPage::recordTyped() {
    const std::optional<QString> number = storedResult(numberBox_->text());
    if (!number) {
        services_.dialogs.notify(kNotFourDigits, kTitle, Notice::Warning);
        return;
    }
    const Ticket ticket =
        ticketOf(*number, kKinds[std::size_t(kindBox_->currentIndex())], firstRoundBox_->value());
    if (const QString problem = ticketProblem(ticket); !problem.isEmpty()) {
        services_.dialogs.notify(problem, kTitle, Notice::Warning);
        return;
    }
    if (record({ticket})) numberBox_->clear();
}

void TicketsPage::recordPrediction() {
    const ListedPrediction listed = listedPrediction_();
    if (listed.combinations.isEmpty()) {
        services_.dialogs.notify(kPredictFirst, kTitle, Notice::Warning);
        return;
    }
    const std::optional<qint32> round = roundIn(listed.roundText);
    if (!round) {
        services_.dialogs.notify(
            QStringLiteral("次回の回数「%1」が 1〜%2 の回ではないため、予想を記録できません。")
                .arg(listed.roundText)
                .arg(kLargestCounter),
            kTitle, Notice::Warning);
        return;
    }
    TicketBook tickets;
    QStringList leftOut;
    for (const QString& combination : listed.combinations) {
        const Ticket ticket = ticketOf(combination, TicketKind::Box, *round);
        if (isFourDigits(combination) && isFourEqual(combination)) {
            leftOut << combination;
        } else if (const QString problem = ticketProblem(ticket); !problem.isEmpty()) {
            services_.dialogs.notify(problem, kTitle, Notice::Warning);
            return;
        } else {
            tickets.push_back(ticket);
        }
    }
    if (!tickets.empty() && !record(tickets)) return;
    if (!leftOut.isEmpty())
        services_.dialogs.notify(QStringLiteral("%1 は 4 桁がすべて同じ数字で、ボックスでは"
                                                "買えないため記録しませんでした。")
                                     .arg(leftOut.join(QStringLiteral("、"))),
                                 kTitle, Notice::Information);
}

bool TicketsPage::record(const TicketBook& tickets) {
    return write([&](DataFiles& files) { recordTickets(files, tickets, shownFrom_); });
}

void TicketsPage::deleteSelected() {
    const QModelIndexList selected = bookTable_->selectionModel()->selectedRows();
    if (!bookReads_ || selected.isEmpty()) return;
    const qsizetype index = rowTickets_[std::size_t(selected.front().row())];
    const Ticket& ticket = book_[std::size_t(index)];
    const QString question =
        QStringLiteral("%1 に買った %2 %3 (%4、%5 口) を購入の記録から削除しますか?")
            .arg(ticket.bought.toString(QStringLiteral("yyyy/MM/dd")), ticket.number,
                 ticketKindText(ticket.kind), roundsCell(ticket))
            .arg(ticket.units);
    if (services_.dialogs.askYesNo(question, kTitle, QuestionIcon::Warning) != Answer::Yes) return;
    write([&](DataFiles& files) { removeTicket(files, index, shownFrom_); });
}

void TicketsPage::enterPrizes() {
    std::vector<RoundPrizes> rounds;
    for (const qint32 round : roundsWithoutAmount(settled_)) {
        const auto settled = std::ranges::find(settled_, round, &SettledRound::round);
        rounds.push_back({round, settled->result, {}, {}, {}, {}});
    }
    if (rounds.empty()) return;
    auto* dialog = new PrizeEntryDialog(rounds, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        const RoundPrizes prizes = dialog->prizes();
        write([&](DataFiles& files) { keepPrizes(files, {{prizes.round, prizes}}, shownFrom_); });
    });
    dialog->open();
}

void TicketsPage::saveCsv() {
    const std::optional<QString> path = services_.fileDialogs.fileToSave(
        QStringLiteral("購入の記録を CSV で保存"), QStringLiteral("tickets.csv"),
        QStringLiteral("CSV (*.csv)"));
    if (!path) return;
    try {
        commitFileAt(services_.folders, *path, ticketCsvBytes(book_, settled_));
    } catch (const Failure& failure) {
        services_.dialogs.notify(failure.message(), QStringLiteral("保存できません"),
                                 Notice::Warning);
    }
}

bool TicketsPage::write(const std::function<void(DataFiles&)>& command) {
    DataFiles files(services_.dataFolder);
    // After a refusal too the page shows the files as they are now.
    const bool written = runCommand(
        services_, [&] { command(files); }, changed_);
    if (written) changed_();
    return written;
}

}  // namespace k4
