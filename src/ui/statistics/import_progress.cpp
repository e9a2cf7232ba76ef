#include "ui/statistics/import_progress.h"

#include <QProgressBar>
#include <QProgressDialog>
#include <utility>

#include "ui/statistics/background_work.h"

namespace k4 {

ImportProgress::ImportProgress(QWidget* window) : QObject(window), window_(window) {
    connect(&watcher_, &QFutureWatcher<RegistrationReplay>::finished, this,
            &ImportProgress::finished);
}

ImportProgress::~ImportProgress() {
    watcher_.future().cancel();
    watcher_.future().waitForFinished();
}

void ImportProgress::start(Replay replay,
                           std::function<void(std::optional<RegistrationReplay>)> done) {
    done_ = std::move(done);
    // The dialog's bar is updated here: the dialog's own setValue() would run the event loop.
    bar_ = new QProgressBar;
    bar_->setRange(0, 0);
    dialog_ = new QProgressDialog(window_);
    dialog_->setObjectName(QStringLiteral("importProgress"));
    dialog_->setWindowTitle(QStringLiteral("過去の結果の取り込み"));
    dialog_->setLabelText(QStringLiteral("過去の結果を登録しています…"));
    dialog_->setCancelButtonText(QStringLiteral("キャンセル"));
    dialog_->setBar(bar_);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->setWindowModality(Qt::WindowModal);
    connect(dialog_, &QProgressDialog::canceled, this, [this] { watcher_.future().cancel(); });
    connect(dialog_, &QDialog::rejected, this, [this] { watcher_.future().cancel(); });
    connect(&watcher_, &QFutureWatcher<RegistrationReplay>::progressRangeChanged, bar_,
            &QProgressBar::setRange);
    connect(&watcher_, &QFutureWatcher<RegistrationReplay>::progressValueChanged, bar_,
            &QProgressBar::setValue);
    dialog_->show();
    watcher_.setFuture(runInBackground<RegistrationReplay>(std::move(replay)));
}

void ImportProgress::finished() {
    disconnect(&watcher_, &QFutureWatcher<RegistrationReplay>::progressRangeChanged, bar_, nullptr);
    disconnect(&watcher_, &QFutureWatcher<RegistrationReplay>::progressValueChanged, bar_, nullptr);
    if (dialog_) {
        dialog_->hide();
        dialog_->deleteLater();
    }
    const QFuture<RegistrationReplay> future = watcher_.future();
    std::optional<RegistrationReplay> folder;
    if (!future.isCanceled() && future.resultCount() > 0) folder = future.result();
    std::exchange(done_, {})(std::move(folder));
}

}  // namespace k4
