#include "ui/statistics/import_page.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "data/data_files.h"
#include "import/import_messages.h"
#include "import/import_workflow.h"
#include "platform/clock.h"
#include "platform/common_texts.h"
#include "platform/dialogs.h"
#include "platform/failure.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "ui/command_boundary.h"
#include "ui/dropped_file.h"
#include "ui/services.h"
#include "ui/statistics/import_preview.h"
#include "ui/statistics/import_progress.h"

namespace k4 {
namespace {

const QString kRefusedTitle = QStringLiteral("取り込めません");
const QString kQuestionTitle = QStringLiteral("過去の結果の取り込み");
const QString kNothingWritten = nothingWrittenText(Language::Japanese);
const QString kDeclined = QStringLiteral("取り込みをやめました。") + kNothingWritten;

}  // namespace

ImportPage::ImportPage(Services& services, std::function<void(const QString&)> imported,
                       QWidget* parent)
    : QWidget(parent), services_(services), imported_(std::move(imported)) {
    setAcceptDrops(true);
    auto* explanation = new QLabel(
        QStringLiteral(
            "過去の結果のファイルを選ぶか、ここにドロップするか、"
            "結果のページや表計算ソフトからコピーした表を貼り付けてください。"
            "CSV でもタブ区切りでも、列がいくつあっても、"
            "見出しの名前 (回号、当せん番号など) か中身から回号と結果の列を見つけ、"
            "日付などほかの列は読み飛ばします。新しい順のファイルも古い順に登録します。"
            "結果のあるフォルダーには、その最新の回より新しい回だけを、"
            "登録画面で一件ずつ登録したのと同じように追加します。"
            "回号のあるファイルの各回は、当せん金の列 (ストレート、ボックスなど) の額とともに "
            "haitou4.csv に残します。"),
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

    preview_ = new ImportPreview(this);

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
    page->addWidget(preview_, 1);
    page->addLayout(actions);

    connect(chooseButton_, &QPushButton::clicked, this, &ImportPage::chooseFile);
    connect(pasteButton_, &QPushButton::clicked, this, &ImportPage::paste);
    auto* pasteKeys = new QShortcut(QKeySequence::Paste, this);
    // Anywhere in the window while the page shows, the tabs included.
    pasteKeys->setContext(Qt::WindowShortcut);
    connect(pasteKeys, &QShortcut::activated, this, &ImportPage::paste);
    connect(importButton_, &QPushButton::clicked, this, &ImportPage::startImport);
    progress_ = new ImportProgress(this);
}

void ImportPage::openFile(const QString& path) {
    if (progress_->isRunning()) return;
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
    if (progress_->isRunning()) return;
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
    preview_->show(bytes, *read_);
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
        // The step is decided on the files as they are now; a change while its question is open
        // or while the results are registered stops the import at its commit.
        const ImportWorkflow workflow(*read_, DataFiles(services_.dataFolder).readState(),
                                      services_.dataFolder.folderName(), Language::Japanese);
        if (!agreed(workflow.step())) return;
        setBusy(true);
        progress_->start(
            [workflow](const WorkProgress& progress) { return workflow.replay(progress); },
            [this, workflow](std::optional<RegistrationReplay> folder) {
                replayed(workflow, std::move(folder));
            });
    });
    if (!ran) status_->setText(kNothingWritten);
}

bool ImportPage::agreed(const ImportStep& step) {
    switch (step.kind) {
        case ImportStepKind::Fill:
            return true;
        case ImportStepKind::AskToAdd:
        case ImportStepKind::AskToAddPrizes:
        case ImportStepKind::AskToReplace:
            if (services_.dialogs.askYesNo(step.text, kQuestionTitle, QuestionIcon::Warning) ==
                Answer::Yes)
                return true;
            status_->setText(kDeclined);
            return false;
        case ImportStepKind::NothingNewer:
        case ImportStepKind::Refused:
            status_->setText(step.text + kNothingWritten);
            services_.dialogs.notify(
                step.text + u'\n' + kNothingWritten, kQuestionTitle,
                step.kind == ImportStepKind::NothingNewer ? Notice::Information : Notice::Warning);
            return false;
    }
    return false;
}

void ImportPage::replayed(const ImportWorkflow& workflow,
                          std::optional<RegistrationReplay> folder) {
    setBusy(false);
    if (!folder) {
        status_->setText(kDeclined);
        return;
    }
    const bool written = runCommand(services_, [&] {
        const ImportOutcome outcome =
            workflow.commit(services_.dataFolder, *folder, services_.clock.today());
        status_->setText(outcome.texts.join(QString()));
        imported_(QString::number(outcome.nextRound));
    });
    if (!written) status_->setText(kNothingWritten);
}

void ImportPage::setBusy(bool busy) {
    chooseButton_->setEnabled(!busy);
    pasteButton_->setEnabled(!busy);
    importButton_->setEnabled(!busy);
    if (busy) status_->setText(QStringLiteral("取り込んでいます…"));
}

void ImportPage::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData& data = *event->mimeData();
    if (!progress_->isRunning() && (!droppedLocalFile(data).isEmpty() || data.hasText()))
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
