#include "ui/widget_dialogs.h"

#include <QApplication>
#include <QPushButton>

namespace k4 {

std::unique_ptr<QMessageBox> makeYesNoBox(const QString& prompt, const QString& title,
                                          QuestionIcon icon, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(
        icon == QuestionIcon::Stop ? QMessageBox::Critical : QMessageBox::Warning, title, prompt,
        QMessageBox::Yes | QMessageBox::No, parent);
    box->button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
    box->button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
    box->setDefaultButton(QMessageBox::No);
    box->setEscapeButton(QMessageBox::No);
    box->setAccessibleDescription(prompt);
    return box;
}

Answer WidgetDialogs::askYesNo(const QString& prompt, const QString& title, QuestionIcon icon) {
    const auto box = makeYesNoBox(prompt, title, icon, QApplication::activeWindow());
    return box->exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void WidgetDialogs::notify(const QString& text, const QString& title, Notice notice) {
    const QMessageBox::Icon icon = notice == Notice::Error     ? QMessageBox::Critical
                                   : notice == Notice::Warning ? QMessageBox::Warning
                                                               : QMessageBox::Information;
    QMessageBox box(icon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setAccessibleDescription(text);  // read out with the box, as its prompt is
    // A file name or a folder in the text can be copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

}  // namespace k4
