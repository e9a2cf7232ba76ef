#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <optional>

#include "platform/file_system.h"

namespace k4 {

// The program's file choosers. The window implementation shows real modal dialogs; tests
// answer them in advance, so no test ever waits on a dialog.
//
// The file choosers start in `firstFolder` (the user's documents folder unless told otherwise)
// and, once the user has picked a file, in that file's folder: one folder is remembered for the
// files to read and one for the files to write, for as long as the choosers live. A cancelled
// chooser changes neither.
class FileDialogs {
public:
    explicit FileDialogs(QString firstFolder = documentsFolder())
        : openFolder_(firstFolder), saveFolder_(std::move(firstFolder)) {}
    virtual ~FileDialogs() = default;

    // The path of an existing file the user picks to read, or none when the user cancels.
    std::optional<QString> fileToOpen(const QString& caption, const QString& filter) {
        return remembered(openFolder_, chooseFileToOpen(caption, openFolder_, filter));
    }

    // The path the user picks to write to, offered `suggestedName` first, or none when the
    // user cancels.
    std::optional<QString> fileToSave(const QString& caption, const QString& suggestedName,
                                      const QString& filter) {
        return remembered(
            saveFolder_,
            chooseFileToSave(caption, QDir(saveFolder_).filePath(suggestedName), filter));
    }

    // The path of a new folder the user names, offered `suggestedPath` first, or none when the
    // user cancels. The folder is not made yet; the path may also name an existing folder.
    virtual std::optional<QString> newFolder(const QString& caption,
                                             const QString& suggestedPath) = 0;

    // An existing folder the user picks, starting in `startFolder`, or none when the user
    // cancels.
    virtual std::optional<QString> existingFolder(const QString& caption,
                                                  const QString& startFolder) = 0;

protected:
    // A file to read, the chooser showing `startFolder`.
    virtual std::optional<QString> chooseFileToOpen(const QString& caption,
                                                    const QString& startFolder,
                                                    const QString& filter) = 0;
    // A file to write, the chooser showing the folder of `suggestedPath` and offering its name.
    virtual std::optional<QString> chooseFileToSave(const QString& caption,
                                                    const QString& suggestedPath,
                                                    const QString& filter) = 0;

private:
    static std::optional<QString> remembered(QString& folder, std::optional<QString> path) {
        if (path) folder = QFileInfo(*path).absolutePath();
        return path;
    }

    QString openFolder_;
    QString saveFolder_;
};

}  // namespace k4
