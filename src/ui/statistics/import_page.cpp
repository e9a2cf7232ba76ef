#include "ui/statistics/import_page.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "data/data_file_table.h"
#include "data/backup_folder.h"
#include "data/data_files.h"
#include "data/file_names.h"
#include "data/safety_copy.h"
#include "import/import_messages.h"
#include "import/past_import.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/failure.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/shown_text.h"
#include "ui/command_boundary.h"
#include "ui/dropped_file.h"
#include "ui/gothic_fonts.h"
#include "ui/services.h"
#include "ui/statistics/background_work.h"
#include "ui/statistics/figure_table.h"

namespace k4 {
namespace {

constexpr int kPreviewLines = 10;
constexpr double kPreviewPoints = 10.5;
const QString kRefusedTitle = QStringLiteral("取り込めません");
const QString kQuestionTitle = QStringLiteral("過去の結果の取り込み");
const QString kNothingWritten = nothingWrittenText(Language::Japanese);
const QString kDeclined = QStringLiteral("取り込みをやめました。") + kNothingWritten;

QString readingText(const LineReading& line) {
    if (std::holds_alternative<BlankLine>(line.reading))
        return QStringLiteral("空行 (読み飛ばします)");
    if (std::holds_alternative<HeaderLine>(line.reading))
        return QStringLiteral("見出し (読み飛ばします)");
    if (std::holds_alternative<UnreadLine>(line.reading))
        return QStringLiteral("読めません (結果の列が決まりません)");
    if (const auto* past = std::get_if<PastResult>(&line.reading))
        return past->round ? QStringLiteral("第 %1 回 %2").arg(*past->round).arg(past->result)
                           : past->result;
    return QStringLiteral("誤り: ") +
           badLineText(std::get<BadLine>(line.reading), Language::Japanese);
}

}  // namespace

ImportPage::ImportPage(Services& services, std::function<void(const QString&)> imported,
                       QWidget* parent)
    : QWidget(parent), services_(services), imported_(std::move(imported)) {
    setAcceptDrops(true);
    auto* explanation = new QLabel(
        QStringLiteral(
            "過去の結果のファイルを選ぶか、ここにドロップするか、結果のページや表計算ソフトからコピ"
            "ー"
            "した表を貼り付けてください。CSV でもタブ区切りでも、列がいくつあっても、見出しの名前 "
            "(回号、当せん番号など) か中身から回号と結果の列を見つけ、日付などほかの列は読み飛ばし"
            "ます。新しい順のファイルも古い順に登録します。結果のあるフォルダーには、その最新の回よ"
            "り"
            "新しい回だけを、登録画面で一件ずつ登録したのと同じように追加します。"),
        this);
    explanation->setWordWrap(true);
    chooseButton_ = new QPushButton(QStringLiteral("ファイルを選ぶ…"), this);
    chooseButton_->setObjectName(QStringLiteral("chooseFileButton"));
    pasteButton_ = new QPushButton(QStringLiteral("貼り付け"), this);
    pasteButton_->setObjectName(QStringLiteral("pasteButton"));
    pasteButton_->setToolTip(QStringLiteral("コピーした結果の表を読み取ります (Ctrl+V)"));
    fileLabel_ = new QLabel(QStringLiteral("ファイルはまだ選んでいません。"), this);
    fileLabel_->setObjectName(QStringLiteral("fileLabel"));
    fileLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* chooser = new QHBoxLayout;
    chooser->addWidget(chooseButton_);
    chooser->addWidget(pasteButton_);
    chooser->addWidget(fileLabel_, 1);
    // The page's first input takes the focus whenever the page is shown.
    setFocusProxy(chooseButton_);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("readingSummary"));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* previewHeading =
        new QLabel(QStringLiteral("先頭の %1 行の読み取り:").arg(kPreviewLines), this);
    preview_ = new FigureTable(
        {QStringLiteral("行"), QStringLiteral("内容"), QStringLiteral("読み取り")}, {0}, this);
    preview_->setObjectName(QStringLiteral("previewTable"));
    preview_->setWordWrap(true);  // a reason quoting a long line takes two lines, not a cut
    previewHeading->setBuddy(preview_);
    preview_->setAccessibleName(previewHeading->text());  // a table does not take its buddy's

    importButton_ = new QPushButton(QStringLiteral("取り込む"), this);
    importButton_->setObjectName(QStringLiteral("importButton"));
    importButton_->setEnabled(false);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("importStatus"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* actions = new QHBoxLayout;
    actions->addWidget(importButton_);
    actions->addWidget(status_, 1);

    auto* page = new QVBoxLayout(this);
    page->addWidget(explanation);
    page->addLayout(chooser);
    page->addWidget(summary_);
    page->addWidget(previewHeading);
    page->addWidget(preview_, 1);
    page->addLayout(actions);

    connect(chooseButton_, &QPushButton::clicked, this, &ImportPage::chooseFile);
    connect(pasteButton_, &QPushButton::clicked, this, &ImportPage::paste);
    auto* pasteKeys = new QShortcut(QKeySequence::Paste, this);
    // Anywhere in the window while the page shows, the tabs included.
    pasteKeys->setContext(Qt::WindowShortcut);
    connect(pasteKeys, &QShortcut::activated, this, &ImportPage::paste);
    connect(importButton_, &QPushButton::clicked, this, &ImportPage::startImport);
    connect(&watcher_, &QFutureWatcher<RegistrationReplay>::finished, this,
            &ImportPage::importDone);
}

// An import still running stops at its next result.
ImportPage::~ImportPage() {
    watcher_.future().cancel();
    watcher_.future().waitForFinished();
}

void ImportPage::openFile(const QString& path) {
    if (watcher_.isRunning()) return;
    QByteArray bytes;
    try {
        bytes = readFileAt(services_.folders, path);
    } catch (const Failure& failure) {
        services_.dialogs.notify(failure.message(), kRefusedTitle, Notice::Warning);
        return;
    }
    take(bytes, QDir::toNativeSeparators(path));
}

void ImportPage::chooseFile() {
    const std::optional<QString> path = services_.fileDialogs.fileToOpen(
        QStringLiteral("過去の結果のファイルを選ぶ"),
        QStringLiteral("テキスト (*.txt *.csv *.tsv);;すべてのファイル (*)"));
    if (path) openFile(*path);
}

void ImportPage::paste() {
    if (watcher_.isRunning()) return;
    const QString text = QApplication::clipboard()->text();
    if (text.trimmed().isEmpty()) {
        status_->setText(QStringLiteral("貼り付けるテキストがありません。"));
        return;
    }
    take(text.toUtf8(), QStringLiteral("貼り付けたテキスト"));
}

void ImportPage::take(const QByteArray& bytes, const QString& source) {
    read_ = readPastResults(bytes);
    fileLabel_->setText(source);
    QString summary = readingSummaryText(*read_, Language::Japanese);
    if (const auto* unclear = std::get_if<UnclearColumns>(&read_->shape.layout))
        summary = unclearColumnsText(*unclear, read_->shape.heading, Language::Japanese);
    else if (read_->badLineCount > 0)
        summary = QStringLiteral("%1 行に誤りがあります。").arg(read_->badLineCount);
    if (read_->shape.heading)
        summary += u'\n' + headingSkippedText(*read_->shape.heading, Language::Japanese);
    summary_->setText(summary);

    QList<QStringList> rows;
    for (const LineReading& line : previewPastResults(bytes, kPreviewLines))
        rows.append({QString::number(line.line), shownText(line.text), readingText(line)});
    preview_->setRows(rows);
    for (int row = 0; row < preview_->rowCount(); ++row)
        preview_->item(row, 1)->setFont(gothicFont(Gothic::Fixed, kPreviewPoints));
    importButton_->setEnabled(true);
    status_->clear();
}

// Names the bad lines of what was read, or says why it holds nothing to import; false when it
// can be imported.
bool ImportPage::refuseRead() {
    const QStringList problems = readingProblems(*read_, Language::Japanese);
    if (problems.isEmpty()) return false;
    status_->setText(kNothingWritten);
    services_.dialogs.notify(problems.join(u'\n') + u'\n' + kNothingWritten, kRefusedTitle,
                             Notice::Warning);
    return true;
}

void ImportPage::startImport() {
    status_->clear();
    if (refuseRead()) return;
    const bool ran = runCommand(services_, [this] {
        // The question is asked on the files as they are now; a change while it is open or while
        // the results are registered stops the import.
        const DataFilesState asked = DataFiles(services_.files).readState();
        const ImportPlan plan = planImport(*read_, asked);
        const auto agrees = [&](const QString& question) {
            return services_.dialogs.askYesNo(question, kQuestionTitle, QuestionIcon::Warning) ==
                   Answer::Yes;
        };
        if (const auto* added = std::get_if<AddRounds>(&plan)) {
            const qint64 last = added->firstRound + added->results.size() - 1;
            if (!agrees(QStringLiteral("第 %1 回から %2 件の結果 (%3) をこのフォルダーに追加"
                                       "します。\n追加しますか。")
                            .arg(added->firstRound)
                            .arg(added->results.size())
                            .arg(roundsText(added->firstRound, last, Language::Japanese)))) {
                status_->setText(kDeclined);
                return;
            }
            startReplay({asked, false, added->results.size()},
                        [added = *added, asked](const WorkProgress& progress) {
                            return replayAdded(added, asked, progress);
                        });
            return;
        }
        if (!std::holds_alternative<FillFolder>(plan) &&
            !std::holds_alternative<RoundsNeeded>(plan)) {
            const QString why = planRefusalText(plan, Language::Japanese);
            status_->setText(why + kNothingWritten);
            services_.dialogs.notify(
                why + u'\n' + kNothingWritten, kQuestionTitle,
                std::holds_alternative<NothingNewer>(plan) ? Notice::Information : Notice::Warning);
            return;
        }
        const qsizetype held = resultsIn(asked);
        if (held > 0) {
            const qint64 first = read_->firstRound.value_or(1);
            const qint64 last = first + read_->results.size() - 1;
            if (!agrees(QStringLiteral("このフォルダーの %1 件の結果を、取り込む %2 件の結果 (%3) "
                                       "で置き換えます。\n古い %4 は、日付の付いたフォルダーにその"
                                       "まま残します。\n置き換えますか。")
                            .arg(held)
                            .arg(read_->results.size())
                            .arg(roundsText(first, last, Language::Japanese),
                                 dataFilesText(Language::Japanese)))) {
                status_->setText(kDeclined);
                return;
            }
        }
        startReplay(
            {asked, true, read_->results.size()},
            [read = *read_](const WorkProgress& progress) { return replayAll(read, progress); });
    });
    if (!ran) status_->setText(kNothingWritten);
}

void ImportPage::startReplay(
    PendingImport pending,
    std::function<std::optional<RegistrationReplay>(const WorkProgress&)> work) {
    pending_ = std::move(pending);
    chooseButton_->setEnabled(false);
    pasteButton_->setEnabled(false);
    importButton_->setEnabled(false);
    status_->setText(QStringLiteral("取り込んでいます…"));
    // The page updates the bar itself: the dialog's own setValue() would run the event loop.
    progressBar_ = new QProgressBar;
    progressBar_->setRange(0, 0);
    progress_ = new QProgressDialog(this);
    progress_->setObjectName(QStringLiteral("importProgress"));
    progress_->setWindowTitle(kQuestionTitle);
    progress_->setLabelText(QStringLiteral("過去の結果を登録しています…"));
    progress_->setCancelButtonText(QStringLiteral("キャンセル"));
    progress_->setBar(progressBar_);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setWindowModality(Qt::WindowModal);
    connect(progress_, &QProgressDialog::canceled, this, [this] { watcher_.future().cancel(); });
    connect(progress_, &QDialog::rejected, this, [this] { watcher_.future().cancel(); });
    connect(&watcher_, &QFutureWatcher<RegistrationReplay>::progressRangeChanged, progressBar_,
            &QProgressBar::setRange);
    connect(&watcher_, &QFutureWatcher<RegistrationReplay>::progressValueChanged, progressBar_,
            &QProgressBar::setValue);
    progress_->show();
    watcher_.setFuture(runInBackground<RegistrationReplay>(std::move(work)));
}

void ImportPage::importDone() {
    disconnect(&watcher_, &QFutureWatcher<RegistrationReplay>::progressRangeChanged, progressBar_,
               nullptr);
    disconnect(&watcher_, &QFutureWatcher<RegistrationReplay>::progressValueChanged, progressBar_,
               nullptr);
    if (progress_) {
        progress_->hide();
        progress_->deleteLater();
    }
    chooseButton_->setEnabled(true);
    pasteButton_->setEnabled(true);
    importButton_->setEnabled(true);
    const QFuture<RegistrationReplay> future = watcher_.future();
    if (future.isCanceled() || future.resultCount() == 0)
        status_->setText(kDeclined);
    else
        write(future.result());
    pending_.reset();
}

void ImportPage::write(const RegistrationReplay& folder) {
    runCommand(services_, [&] {
        const PendingImport& done = *pending_;
        const QString backup =
            done.replaces ? makeSafetyCopy(services_.files, services_.clock.today()) : QString();
        writeImport(services_.files, folder, done.asked);

        const qint64 last = folder.counter();
        const QString rounds = roundsText(last - done.results + 1, last, Language::Japanese);
        const QString nextRound = QString::number(last + 1);
        QString text = (done.replaces ? QStringLiteral("%1 件の結果 (%2) を取り込みました。")
                                      : QStringLiteral("%1 件の結果 (%2) を追加しました。"))
                           .arg(done.results)
                           .arg(rounds) +
                       QStringLiteral("次回は第 %1 回です。").arg(nextRound);
        if (done.replaces) {
            if (const QString kept = historyKeepsNewestText(done.results, Language::Japanese);
                !kept.isEmpty())
                text += u' ' + kept;
            text += QStringLiteral(" 古いファイルは %1 に残しました。").arg(backup);
        }
        status_->setText(text);
        imported_(nextRound);
    });
}

void ImportPage::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData& data = *event->mimeData();
    if (!watcher_.isRunning() && (!droppedLocalFile(data).isEmpty() || data.hasText()))
        event->acceptProposedAction();
}

void ImportPage::dropEvent(QDropEvent* event) {
    if (const QString file = droppedLocalFile(*event->mimeData()); !file.isEmpty())
        openFile(file);
    else
        take(event->mimeData()->text().toUtf8(), QStringLiteral("ドロップしたテキスト"));
    event->acceptProposedAction();
}

}  // namespace k4
