#include "ui/form3.h"

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

QPushButton* placeButton(QWidget* window, const char* name, QRect geometry,
                         const QString& caption) {
    auto* button =
        placeControl<QPushButton>(window, name, geometry, gothicFont(Gothic::Proportional, 9.75));
    button->setText(caption);
    button->setAutoDefault(false);  // Enter and Esc trigger no command
    return button;
}

}  // namespace

Form3::Form3(Services& services, std::function<void(const QString&)> showNextRound)
    : services_(services), showNextRound_(std::move(showNextRound)) {
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setUpFixedWindow(this, kCaption, kClientArea);

    const QFont fixed14 = gothicFont(Gothic::Fixed, 14.25);
    text1_ = placeControl<QLineEdit>(this, "Text1", fromTwips(1320, 120, 855, 375), fixed14);
    // No length limit: what the user typed is trimmed and judged whole, however long it is.
    text1_->setMaxLength(std::numeric_limits<int>::max());
    list1_ = placeControl<QListView>(this, "List1", fromTwips(120, 120, 975, 3765), fixed14);
    entries_ = new QStringListModel(this);
    list1_->setModel(entries_);
    list1_->setUniformItemSizes(true);  // keeps a list of a million results quick
    list1_->setSelectionMode(QAbstractItemView::SingleSelection);
    list1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    command1_ =
        placeButton(this, "Command1", fromTwips(1320, 720, 975, 495), QStringLiteral("登録終了"));
    command2_ =
        placeButton(this, "Command2", fromTwips(1320, 1440, 975, 495), QStringLiteral("削除終了"));
    command3_ =
        placeButton(this, "Command3", fromTwips(1320, 2160, 975, 1695), QStringLiteral("閉じる"));
    chainTabOrder({text1_, list1_, command1_, command2_, command3_});

    connect(command1_, &QPushButton::clicked, this, &Form3::registerTyped);
    connect(command2_, &QPushButton::clicked, this, &Form3::deleteNewest);
    connect(command3_, &QPushButton::clicked, this, &QWidget::close);
}

void Form3::load() {
    show();
    text1_->setFocus();
    runCommand(services_, [this] {
        entries_->setStringList(DataFiles(services_.files).readHistory().lines());
    });
}

void Form3::registerTyped() {
    runCommand(services_, [this] {
        const std::optional<QString> result = storedResult(text1_->text());
        if (!result) {
            if (services_.dialogs.askYesNo(kInputErrorPrompt, kInputErrorTitle) == Answer::Yes)
                close();
            return;
        }
        DataFiles files(services_.files);
        const QString nextRound = registerResult(files, *result, entries_->stringList());
        text1_->setText(*result);
        showNextRound_(nextRound);
        close();
    });
}

void Form3::deleteNewest() {
    runCommand(services_, [this] {
        if (services_.dialogs.askYesNo(kDeletePrompt, kDeleteTitle) == Answer::Yes) {
            DataFiles files(services_.files);
            if (const auto nextRound = deleteNewestResult(files, entries_->stringList()))
                showNextRound_(*nextRound);
        }
        close();
    });
}

}  // namespace k4
