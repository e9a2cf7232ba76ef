#include "ui/registration_window.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <limits>

#include "data/data_files.h"
#include "platform/dialogs.h"
#include "register/deletion.h"
#include "register/registration.h"
#include "register/result_input.h"
#include "ui/command_boundary.h"
#include "ui/controls.h"
#include "ui/gothic_fonts.h"
#include "ui/services.h"
#include "ui/twips.h"

namespace k4 {
namespace {

const QString kCaption = QStringLiteral("キリカータ４　登録");
// The client area at its place on the screen, 2400 × 4065 twips.
constexpr QRect kClientArea = fromTwips(4455, 2640, 2400, 4065);

const QString kInputErrorPrompt = QStringLiteral("終了しますか。");
const QString kInputErrorTitle = QStringLiteral("入力エラー");
const QString kDeletePrompt = QStringLiteral("削除しますか。");
const QString kDeleteTitle = QStringLiteral("データー削除");

}  // namespace

RegistrationWindow::RegistrationWindow(Services& services,
                                       std::function<void(const QString&)> showNextRound)
    : services_(services), showNextRound_(std::move(showNextRound)) {
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setUpFixedWindow(this, kCaption, kClientArea);

    const QFont fixed14 = gothicFont(Gothic::Fixed, 14.25);
    const QFont proportional9 = gothicFont(Gothic::Proportional, 9.75);
    resultBox_ = placeTextBox(this, "Text1", fromTwips(1320, 120, 855, 375), fixed14);
    // No length limit: what the user typed is trimmed and judged whole, however long it is.
    resultBox_->setMaxLength(std::numeric_limits<int>::max());
    historyList_ = placeListBox<QListView>(this, "List1", fromTwips(120, 120, 975, 3765), fixed14);
    entries_ = new QStringListModel(this);
    historyList_->setModel(entries_);
    historyList_->setUniformItemSizes(true);  // keeps a list of a million results quick
    historyList_->setSelectionMode(QAbstractItemView::SingleSelection);
    historyList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    registerButton_ = placeButton(this, "Command1", fromTwips(1320, 720, 975, 495), proportional9,
                                  QStringLiteral("登録終了"));
    deleteButton_ = placeButton(this, "Command2", fromTwips(1320, 1440, 975, 495), proportional9,
                                QStringLiteral("削除終了"));
    closeButton_ = placeButton(this, "Command3", fromTwips(1320, 2160, 975, 1695), proportional9,
                               QStringLiteral("閉じる"));
    resultBox_->setAccessibleName(QStringLiteral("今回の当選番号"));
    historyList_->setAccessibleName(QStringLiteral("登録済みの結果の一覧"));
    chainTabOrder({resultBox_, historyList_, registerButton_, deleteButton_, closeButton_});
    pressFocusedButtonsWithEnter(this);

    connect(registerButton_, &QPushButton::clicked, this, &RegistrationWindow::registerTyped);
    connect(deleteButton_, &QPushButton::clicked, this, &RegistrationWindow::deleteNewest);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
}

void RegistrationWindow::load() {
    show();
    resultBox_->setFocus();
    runCommand(services_, [this] { readList(); });
}

void RegistrationWindow::readList() {
    list(DataFiles(services_.dataFolder).readState());
}

void RegistrationWindow::list(const DataFilesState& state) {
    listedFrom_ = state;
    entries_->setStringList(DataFiles::historyIn(listedFrom_).lines());
}

void RegistrationWindow::followFiles() {
    followQuietly([this] {
        if (const DataFilesState now = DataFiles(services_.dataFolder).readState();
            now != listedFrom_)
            list(now);
    });
}

// A command refused because another program changed the files lists them anew, so that the
// next try works on what they hold now.
void RegistrationWindow::registerTyped() {
    runCommand(
        services_,
        [this] {
            const std::optional<QString> result = storedResult(resultBox_->text());
            if (!result) {
                if (services_.dialogs.askYesNo(kInputErrorPrompt, kInputErrorTitle,
                                               QuestionIcon::Stop) == Answer::Yes)
                    close();
                return;
            }
            DataFiles files(services_.dataFolder);
            showNextRound_(registerResult(files, *result, entries_->stringList(), listedFrom_));
            close();
        },
        [this] { readList(); });
}

void RegistrationWindow::deleteNewest() {
    runCommand(
        services_,
        [this] {
            // The user agrees to delete the newest of the list as it stands now; should another
            // program change the files while the question is open, the deletion is refused.
            const QStringList entries = entries_->stringList();
            const DataFilesState listedFrom = listedFrom_;
            if (services_.dialogs.askYesNo(kDeletePrompt, kDeleteTitle, QuestionIcon::Stop) ==
                Answer::Yes) {
                DataFiles files(services_.dataFolder);
                if (const auto nextRound = deleteNewestResult(files, entries, listedFrom))
                    showNextRound_(*nextRound);
            }
            close();
        },
        [this] { readList(); });
}

}  // namespace k4
