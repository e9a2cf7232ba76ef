#pragma once

#include <QByteArray>
#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <optional>

#include "platform/dialogs.h"
#include "platform/file_dialogs.h"
#include "platform/program_launcher.h"
#include "support/test_folder.h"
#include "ui/services.h"

namespace k4::test {

// Message boxes answered in advance, so a test never waits. Every box shown is recorded. A
// question that no answer was queued for fails the test (and is answered No), and so do answers
// still queued when the dialogs go at the end of the test: a test states every question it
// expects.
class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        QString text;
        QString title;
        bool question = false;
    };

    ~ScriptedDialogs() override;

    void answerNext(Answer answer) { answers_.enqueue(answer); }
    const QList<Shown>& shown() const { return shown_; }

    Answer askYesNo(const QString& prompt, const QString& title, QuestionIcon icon) override;
    void notify(const QString& text, const QString& title, Notice notice) override;

private:
    QQueue<Answer> answers_;
    QList<Shown> shown_;
};

// File choosers answered in advance with a path, or with none for a cancelled dialog. Like
// ScriptedDialogs, a chooser no answer was queued for fails the test, and so do answers left.
// Which folder a file chooser starts in is FileDialogs' own choice, so these start where the
// program's do.
class ScriptedFileDialogs final : public FileDialogs {
public:
    ~ScriptedFileDialogs() override;

    void answerNext(const QString& path) { answers_.enqueue(path); }
    // The user cancels the next chooser.
    void cancelNext() { answers_.enqueue(QString()); }
    // The captions of the choosers shown, in order.
    const QStringList& shown() const { return shown_; }
    // The folder each chooser shown started in, in the same order.
    const QStringList& startFolders() const { return startFolders_; }

    std::optional<QString> newFolder(const QString& caption, const QString& suggestedPath) override;
    std::optional<QString> existingFolder(const QString& caption,
                                          const QString& startFolder) override;

protected:
    std::optional<QString> chooseFileToOpen(const QString& caption, const QString& startFolder,
                                            const QString& filter) override;
    std::optional<QString> chooseFileToSave(const QString& caption, const QString& suggestedPath,
                                            const QString& filter) override;

private:
    std::optional<QString> answer(const QString& caption, const QString& startFolder);

    // A null path for a cancelled chooser. (Not optionals: mingw's GCC 12 warns of an
    // uninitialized QString in every copy of an empty one.)
    QQueue<QString> answers_;
    QStringList shown_;
    QStringList startFolders_;
};

// Records the programs it is asked to start; starts nothing. Each started program runs until the
// test ends them, as failed or not.
class RecordingLauncher final : public ProgramLauncher {
public:
    void start(const Command& command, std::function<void()> failed) override;
    // Ends the programs running, each with a failure where its exit status tells one (xdg-open
    // finding nothing that opens the file).
    void endRunning(bool failing);

    QList<Command> started;
    bool succeeds = true;  // whether the programs can be started

private:
    QList<std::pair<Command, std::function<void()>>> running_;
};

// A temporary data folder and test doubles for everything else a window uses: scripted message
// boxes and file choosers, a recording launcher, and the services that hand them to the windows.
class TestBench : public TestFolder {
public:
    TestBench();

    ScriptedDialogs dialogs;
    ScriptedFileDialogs fileDialogs;
    RecordingLauncher launcher;
    // The exit code the program was ended with, if it was.
    std::optional<int> endedWith;
    Services services;
};

}  // namespace k4::test
