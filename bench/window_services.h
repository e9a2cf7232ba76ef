#pragma once

#include <QDir>
#include <cstdio>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/program_launcher.h"
#include "ui/services.h"
#include "ui/widget_file_dialogs.h"

namespace k4::bench {

// A message box would stop the timing: questions are answered No, notices go to standard error.
class SilentDialogs final : public Dialogs {
public:
    Answer askYesNo(const QString&, const QString&, QuestionIcon) override { return Answer::No; }
    void notify(const QString& text, const QString&, Notice) override {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
};

// What a timed window uses of the world outside it: the real services on `files`, with silent
// message boxes.
struct WindowServices {
    explicit WindowServices(FileSystem& files)
        : services{files, folders, dialogs, fileDialogs, launcher, clock, [](int) {}} {}

    DiskFolderOpener folders;
    SilentDialogs dialogs;
    WidgetFileDialogs fileDialogs{QDir::currentPath()};
    ProcessLauncher launcher;
    SystemClock clock;
    Services services;
};

}  // namespace k4::bench
