#include "support/test_services.h"

#include <QFileInfo>
#include <QTest>
#include <utility>

namespace k4::test {

ScriptedDialogs::~ScriptedDialogs() {
    if (!answers_.isEmpty())
        QTest::qFail(
            qPrintable(QStringLiteral("%1 queued answer(s) never asked for").arg(answers_.size())),
            __FILE__, __LINE__);
}

Answer ScriptedDialogs::askYesNo(const QString& prompt, const QString& title, QuestionIcon) {
    shown_.append({prompt, title, true});
    if (!answers_.isEmpty()) return answers_.dequeue();
    QTest::qFail(qPrintable(QStringLiteral("unexpected question: %1").arg(prompt)), __FILE__,
                 __LINE__);
    return Answer::No;
}

void ScriptedDialogs::notify(const QString& text, const QString& title, Notice) {
    shown_.append({text, title, false});
}

ScriptedFileDialogs::~ScriptedFileDialogs() {
    if (!answers_.isEmpty())
        QTest::qFail(
            qPrintable(
                QStringLiteral("%1 queued file choice(s) never asked for").arg(answers_.size())),
            __FILE__, __LINE__);
}

std::optional<QString> ScriptedFileDialogs::answer(const QString& caption,
                                                   const QString& startFolder) {
    shown_.append(caption);
    startFolders_.append(startFolder);
    if (!answers_.isEmpty()) {
        const QString path = answers_.dequeue();
        if (path.isNull()) return std::nullopt;
        return path;
    }
    QTest::qFail(qPrintable(QStringLiteral("unexpected file chooser: %1").arg(caption)), __FILE__,
                 __LINE__);
    return std::nullopt;
}

std::optional<QString> ScriptedFileDialogs::chooseFileToOpen(const QString& caption,
                                                             const QString& startFolder,
                                                             const QString&) {
    return answer(caption, startFolder);
}

std::optional<QString> ScriptedFileDialogs::chooseFileToSave(const QString& caption,
                                                             const QString& suggestedPath,
                                                             const QString&) {
    return answer(caption, QFileInfo(suggestedPath).path());
}

std::optional<QString> ScriptedFileDialogs::newFolder(const QString& caption,
                                                      const QString& suggestedPath) {
    return answer(caption, QFileInfo(suggestedPath).path());
}

std::optional<QString> ScriptedFileDialogs::existingFolder(const QString& caption,
                                                           const QString& startFolder) {
    return answer(caption, startFolder);
}

void RecordingLauncher::start(const Command& command, std::function<void()> failed) {
    started.append(command);
    if (!succeeds)
        failed();
    else
        running_.append({command, std::move(failed)});
}

void RecordingLauncher::endRunning(bool failing) {
    const auto ended = std::exchange(running_, {});
    for (const auto& [command, failed] : ended)
        if (failing && command.exitStatusTells) failed();
}

TestBench::TestBench()
    : services{files,
               folders,
               dialogs,
               fileDialogs,
               launcher,
               clock,
               [this](int code) { endedWith = code; }} {}

}  // namespace k4::test
