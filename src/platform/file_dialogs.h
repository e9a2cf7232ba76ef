#pragma once

#include <QString>
#include <optional>

namespace k4 {

// The program's file choosers. The window implementation shows real modal dialogs; tests
// answer them in advance, so no test ever waits on a dialog.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // The path of an existing file the user picks to read, or none when the user cancels.
    virtual std::optional<QString> fileToOpen(const QString& caption, const QString& filter) = 0;

    // The path the user picks to write to, offered `suggestedName` first, or none when the
    // user cancels.
    virtual std::optional<QString> fileToSave(const QString& caption, const QString& suggestedName,
                                              const QString& filter) = 0;

    // The path of a new folder the user names, offered `suggestedPath` first, or none when the
    // user cancels. The folder is not made yet; the path may also name an existing folder.
    virtual std::optional<QString> newFolder(const QString& caption,
                                             const QString& suggestedPath) = 0;

    // An existing folder the user picks, starting in `startFolder`, or none when the user
    // cancels.
    virtual std::optional<QString> existingFolder(const QString& caption,
                                                  const QString& startFolder) = 0;
};

}  // namespace k4
