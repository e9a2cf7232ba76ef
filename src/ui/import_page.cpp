#include "ui/import_page.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "data/backup.h"
#include "data/backup_folder.h"
#include "data/data_files.h"
#include "import/import_messages.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/failure.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/shown_text.h"
#include "ui/background_work.h"
#include "ui/command_boundary.h"
#include "ui/figure_table.h"
#include "ui/gothic_fonts.h"
#include "ui/services.h"

namespace k4 {
namespace {

constexpr int kPreviewLines = 10;
constexpr double kPreviewPoints = 10.5;
const QString kRefusedTitle = QStringLiteral("取り込めません");
const QString kQuestionTitle = QStringLiteral("過去の結果の取り込み");
const QString kNothingWritten = nothingWrittenText(Language::Japanese);

QString readingText(const LineReading& line) {
    if (std::holds_alternative<BlankLine>(line.reading))
        return QStringLiteral("空行 (読み飛ばします)");
    if (std::holds_alternative<HeaderLine>(line.reading))
        return QStringLiteral("見出し (読み飛ばします)");
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
    auto* explanation = new QLabel(
        QStringLiteral("過去の結果を古い順に 1 行 1 件で書いたテキストファイル (四桁の数字だけ、"
                       "または「回号 四桁の数字」をスペース・タブ・カンマで区切ったもの) を選ぶと、"
                       "登録画面で一件ずつ登録したのと同じ kri4.dat、kri4key.dat、kaisuu4.txt "
                       "を作ります。1 行目が数字を含まなければ見出しとして読み飛ばします。"),
        this);
    explanation->setWordWrap(true);
    chooseButton_ = new QPushButton(QStringLiteral("ファイルを選ぶ…"), this);
    chooseButton_->setObjectName(QStringLiteral("chooseFileButton"));
    fileLabel_ = new QLabel(QStringLiteral("ファイルはまだ選んでいません。"), this);
    fileLabel_->setObjectName(QStringLiteral("fileLabel"));
    fileLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* chooser = new QHBoxLayout;
    chooser->addWidget(chooseButton_);
    chooser->addWidget(fileLabel_, 1);

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
    page->addWidget(previewHeading);
    page->addWidget(preview_, 1);
    page->addLayout(actions);

    connect(chooseButton_, &QPushButton::clicked, this, &ImportPage::chooseFile);
    connect(importButton_, &QPushButton::clicked, this, &ImportPage::startImport);
    connect(&watcher_, &QFutureWatcher<PastImport>::finished, this, &ImportPage::importDone);
}

// An import still running stops at its next line; it holds the bytes it reads.
ImportPage::~ImportPage() {
    watcher_.future().cancel();
    watcher_.future().waitForFinished();
}

void ImportPage::chooseFile() {
    const std::optional<QString> path = services_.fileDialogs.fileToOpen(
        QStringLiteral("過去の結果のファイルを選ぶ"),
        QStringLiteral("テキスト (*.txt *.csv);;すべてのファイル (*)"));
    if (!path) return;
    try {
        bytes_ = readFileAt(*path);
    } catch (const Failure& failure) {
        services_.dialogs.notify(failure.message(), kRefusedTitle, Notice::Warning);
        return;
    }
    fileLabel_->setText(QDir::toNativeSeparators(*path));
    QList<QStringList> rows;
    for (const LineReading& line : previewPastResults(bytes_, kPreviewLines))
        rows.append({QString::number(line.line), shownText(line.text), readingText(line)});
    preview_->setRows(rows);
    for (int row = 0; row < preview_->rowCount(); ++row)
        preview_->item(row, 1)->setFont(gothicFont(Gothic::Fixed, kPreviewPoints));
    importButton_->setEnabled(true);
    status_->clear();
}

void ImportPage::startImport() {
    chooseButton_->setEnabled(false);
    importButton_->setEnabled(false);
    status_->setText(QStringLiteral("取り込んでいます…"));
    // The page updates the bar itself: the dialog's own setValue() would run the event loop.
    progressBar_ = new QProgressBar;
    progressBar_->setRange(0, 0);
    progress_ = new QProgressDialog(this);
    progress_->setObjectName(QStringLiteral("importProgress"));
    progress_->setWindowTitle(kQuestionTitle);
    progress_->setLabelText(QStringLiteral("過去の結果を登録し直しています…"));
    progress_->setCancelButtonText(QStringLiteral("キャンセル"));
    progress_->setBar(progressBar_);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setWindowModality(Qt::WindowModal);
    connect(progress_, &QProgressDialog::canceled, this, [this] { watcher_.future().cancel(); });
    connect(progress_, &QDialog::rejected, this, [this] { watcher_.future().cancel(); });
    connect(&watcher_, &QFutureWatcher<PastImport>::progressRangeChanged, progressBar_,
            &QProgressBar::setRange);
    connect(&watcher_, &QFutureWatcher<PastImport>::progressValueChanged, progressBar_,
            &QProgressBar::setValue);
    progress_->show();

    watcher_.setFuture(runInBackground<PastImport>([bytes = bytes_](const WorkProgress& progress) {
        return importPastResults(bytes, progress);
    }));
}

void ImportPage::importDone() {
    disconnect(&watcher_, &QFutureWatcher<PastImport>::progressRangeChanged, progressBar_, nullptr);
    disconnect(&watcher_, &QFutureWatcher<PastImport>::progressValueChanged, progressBar_, nullptr);
    if (progress_) {
        progress_->hide();
        progress_->deleteLater();
    }
    chooseButton_->setEnabled(true);
    importButton_->setEnabled(true);
    const QFuture<PastImport> future = watcher_.future();
    if (future.isCanceled() || future.resultCount() == 0)
        status_->setText(QStringLiteral("取り込みをやめました。") + kNothingWritten);
    else
        report(future.result());
    emit importEnded();
}

void ImportPage::report(const PastImport& imported) {
    const PastResults& read = imported.read;
    QStringList problems;
    for (const BadLine& bad : read.badLines)
        problems << QStringLiteral("%1 行目: %2")
                        .arg(bad.line)
                        .arg(badLineText(bad, Language::Japanese));
    if (read.badLineCount > read.badLines.size())
        problems << moreBadLinesText(read.badLineCount - read.badLines.size(), Language::Japanese);
    if (problems.isEmpty() && !imported.folder)
        problems << QStringLiteral("このファイルには結果がありません。");
    if (!problems.isEmpty()) {
        status_->setText(kNothingWritten);
        services_.dialogs.notify(problems.join(u'\n') + u'\n' + kNothingWritten, kRefusedTitle,
                                 Notice::Warning);
        return;
    }
    write(imported);
}

void ImportPage::write(const PastImport& imported) {
    status_->clear();
    runCommand(services_, [&] {
        // The question is asked on the files as they are now; a change while it is open stops
        // the import.
        const DataFilesState asked = DataFiles(services_.files).readState();
        const qsizetype held = resultsIn(asked);
        if (held > 0 &&
            services_.dialogs.askYesNo(
                QStringLiteral("このフォルダの %1 件の結果を、取り込む %2 件の結果 (%3) で置き換え"
                               "ます。\n古い kri4.dat、kri4key.dat、kaisuu4.txt は、日付の付いた"
                               "フォルダにそのまま残します。\n置き換えますか。")
                    .arg(held)
                    .arg(imported.read.resultCount)
                    .arg(importedRoundsText(imported, Language::Japanese)),
                kQuestionTitle, QuestionIcon::Warning) == Answer::No) {
            status_->setText(QStringLiteral("取り込みをやめました。") + kNothingWritten);
            return;
        }
        const QString backup =
            held > 0 ? backUpDataFiles(services_.files, services_.clock.today()) : QString();
        writeImport(services_.files, *imported.folder, asked);

        const QString nextRound = QString::number(nextRoundAfter(imported));
        QString done = QStringLiteral("%1 件の結果 (%2) を取り込みました。次回は第 %3 回です。")
                           .arg(imported.read.resultCount)
                           .arg(importedRoundsText(imported, Language::Japanese), nextRound);
        if (const QString kept = historyKeepsNewestText(imported, Language::Japanese);
            !kept.isEmpty())
            done += u' ' + kept;
        if (!backup.isEmpty())
            done += QStringLiteral(" 古いファイルは %1 に残しました。").arg(backup);
        status_->setText(done);
        imported_(nextRound);
    });
}

}  // namespace k4
