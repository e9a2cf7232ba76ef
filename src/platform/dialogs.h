#pragma once

#include <QString>

namespace k4 {

enum class Answer { Yes, No };

// The icon of a Yes/No question: the stop icon of the registration window's two questions, or the
// warning icon of a question before files are replaced.
enum class QuestionIcon { Stop, Warning };

// How grave a notice is: information tells what was done, a warning lets the user correct the
// input, an error reports a failure.
enum class Notice { Information, Warning, Error };

// The program's modal message boxes. The window implementation shows real boxes; tests answer
// them in advance, so no test ever waits on a dialog.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A Yes/No question with the given icon and No as the default button, so that Enter alone
    // never agrees. Returns the button pressed.
    virtual Answer askYesNo(const QString& prompt, const QString& title, QuestionIcon icon) = 0;

    // A notice with an OK button; returns when it is dismissed.
    virtual void notify(const QString& text, const QString& title, Notice notice) = 0;
};

}  // namespace k4
