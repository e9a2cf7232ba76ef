#include "ui/form1.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "data/data_files.h"
#include "data/file_names.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/program_launcher.h"
#include "predict/prediction.h"
#include "predict/prediction_files.h"
#include "predict/report.h"
#include "ui/command_boundary.h"
#include "ui/controls.h"
#include "ui/form3.h"
#include "ui/gothic_fonts.h"
#include "ui/services.h"
#include "ui/twips.h"

namespace k4 {
namespace {

const QString kCaption = QStringLiteral(" 戦略 キリカータ Vr1.20");
// The client area at its design position on the screen, 3255 × 4560 twips.
constexpr QRect kClientArea = fromTwips(435, 570, 3255, 4560);
const QString kEditorNotStarted = QStringLiteral("テキストエディタを起動できません: ");
// Input the user can correct: the command stops, the list and the report stay as they were.
const QString kCountNotANumber = QStringLiteral("表示件数には数値を入力してください。");
const QString kRoundOutOfRange =
    QStringLiteral("次回の回数が範囲外のため、予想結果 (yosou4.txt) を書き出せません。");

QLabel* placeLabel(QWidget* window, const char* name, QRect geometry, const QFont& font,
                   const QString& caption) {
    auto* label = placeControl<QLabel>(window, name, geometry, font);
    label->setText(caption);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* placeButton(QWidget* window, const char* name, QRect geometry, const QFont& font,
                         const QString& caption) {
    auto* button = placeControl<QPushButton>(window, name, geometry, font);
    button->setText(caption);
    button->setAutoDefault(false);  // Enter presses no button but the focused one
    return button;
}

QLineEdit* placeTextBox(QWidget* window, const char* name, QRect geometry, const QFont& font,
                        const QString& text) {
    auto* box = placeControl<QLineEdit>(window, name, geometry, font);
    box->setText(text);
    return box;
}

}  // namespace

Form1::Form1(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
    setObjectName(QStringLiteral("Form1"));
    setUpFixedWindow(this, kCaption, kClientArea);

    const QFont fixed14 = gothicFont(Gothic::Fixed, 14.25);
    const QFont proportional11 = gothicFont(Gothic::Proportional, 11.25);
    const QFont proportional12 = gothicFont(Gothic::Proportional, 12);

    label2_ = placeLabel(this, "Label2", fromTwips(120, 90, 2490, 195),
                         gothicFont(Gothic::Proportional, 9.75, true),
                         QStringLiteral("キリカータ４予想プログラム"));
    list2_ = placeControl<QListWidget>(this, "List2", fromTwips(240, 480, 1095, 3195), fixed14);
    text2_ =
        placeTextBox(this, "Text2", fromTwips(480, 3840, 495, 375), fixed14, QStringLiteral("10"));
    label1_ = placeLabel(this, "Label1", fromTwips(1440, 600, 735, 375), proportional11,
                         QStringLiteral("次回は"));
    text1_ = placeTextBox(this, "Text1", fromTwips(2160, 480, 615, 375),
                          gothicFont(Gothic::Fixed, 12), QStringLiteral("Text1"));
    label3_ = placeLabel(this, "Label3", fromTwips(2880, 600, 255, 375), proportional11,
                         QStringLiteral("回"));
    command10_ = placeButton(this, "Command10", fromTwips(1680, 960, 1335, 705), fixed14,
                             QStringLiteral("終  了"));
    command5_ = placeButton(this, "Command5", fromTwips(1680, 1800, 1335, 735), fixed14,
                            QStringLiteral("予  想 "));
    command1_ = placeButton(this, "Command1", fromTwips(1680, 2760, 1335, 735), proportional12,
                            QStringLiteral("TEXT表示"));
    command2_ = placeButton(this, "Command2", fromTwips(1680, 3720, 1335, 735), proportional12,
                            QStringLiteral("データ登録"));

    // Tab indexes 0 to 9; the labels take no focus.
    chainTabOrder({command5_, command2_, list2_, command10_, text2_, text1_, command1_});

    connect(command5_, &QPushButton::clicked, this, &Form1::predict);
    connect(command1_, &QPushButton::clicked, this, &Form1::showText);
    connect(command2_, &QPushButton::clicked, this, &Form1::openRegistration);
    connect(command10_, &QPushButton::clicked, this, &Form1::exitProgram);
}

void Form1::load() {
    show();
    command5_->setFocus();
    runCommand(services_, [this] {
        const double counter = DataFiles(services_.files).readCounter();
        text1_->setText(QString::number(toInt16(counter + 1, kCounterFile)));
        list2_->clear();
    });
}

// The registration window goes with the main window.
Form1::~Form1() {
    delete form3_;
}

void Form1::openRegistration() {
    if (form3_) return;  // already open: neither reloaded nor raised
    form3_ =
        new Form3(services_, [this](const QString& nextRound) { setNextRoundText(nextRound); });
    form3_->load();
}

void Form1::setNextRoundText(const QString& text) {
    text1_->setText(text);
}

void Form1::predict() {
    runCommand(services_, [this] {
        const std::optional<double> count = numberFromTextBox(text2_->text());
        if (!count) {
            services_.dialogs.notify(kCountNotANumber, kProgramTitle, Notice::Warning);
            return;
        }
        list2_->clear();
        DataFiles files(services_.files);
        const PredictionData data = readPredictionData(files);
        const QStringList predictions = k4::predict(data.candidates, data.history, *count);
        list2_->addItems(predictions);

        const QString roundText = text1_->text();
        const std::optional<std::int32_t> round = reportRound(roundText);
        if (!round) {
            services_.dialogs.notify(kRoundOutOfRange, kProgramTitle, Notice::Warning);
            return;
        }
        writeReport(files, reportLines({roundText, *round, predictions, data.history,
                                        services_.clock.today()}));
    });
}

void Form1::showText() {
    // Where the editor cannot start, the user is told and the program keeps running.
    const Command editor = textEditorCommand(kReportFile);
    if (!services_.launcher.startDetached(editor))
        services_.dialogs.notify(kEditorNotStarted + editor.program, kProgramTitle, Notice::Error);
}

void Form1::exitProgram() {
    services_.endProgram(0);
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    services_.endProgram(0);
}

}  // namespace k4
