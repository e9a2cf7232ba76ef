#pragma once

#include <QMessageBox>
#include <memory>

#include "platform/dialogs.h"

namespace k4 {

// The Yes/No box: the icon asked for (the stop icon of the registration window's questions, or
// the warning icon), buttons "はい(&Y)" and "いいえ(&N)", No the default. Built apart from showing
// it, so that its look can be checked without a screen.
std::unique_ptr<QMessageBox> makeYesNoBox(const QString& prompt, const QString& title,
                                          QuestionIcon icon, QWidget* parent);

// Message boxes as real modal QMessageBoxes over the active window.
class WidgetDialogs final : public Dialogs {
public:
    Answer askYesNo(const QString& prompt, const QString& title, QuestionIcon icon) override;
    void notify(const QString& text, const QString& title, Notice notice) override;
};

}  // namespace k4
