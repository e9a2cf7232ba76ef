#include "ui/widget_file_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace k4 {
namespace {

std::optional<QString> chosen(const QString& path) {
    return path.isEmpty() ? std::nullopt : std::optional(path);
}

}  // namespace

std::optional<QString> WidgetFileDialogs::chooseFileToOpen(const QString& caption,
                                                           const QString& startFolder,
                                                           const QString& filter) {
    return chosen(
        QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, startFolder, filter));
}

std::optional<QString> WidgetFileDialogs::chooseFileToSave(const QString& caption,
                                                           const QString& suggestedPath,
                                                           const QString& filter) {
    return chosen(
        QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, suggestedPath, filter));
}

// A save dialog, since a new folder is named as a file to save is.
std::optional<QString> WidgetFileDialogs::newFolder(const QString& caption,
                                                    const QString& suggestedPath) {
    QFileDialog dialog(QApplication::activeWindow(), caption);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The command itself refuses a name that is taken by a file or by another backup.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // Only folders are listed, as the places a new one can go.
    dialog.setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    dialog.setNameFilter(QStringLiteral("フォルダー (*)"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("フォルダー名:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("作成"));
    const QFileInfo suggested(suggestedPath);
    dialog.setDirectory(suggested.absolutePath());
    dialog.selectFile(suggested.fileName());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return chosen(dialog.selectedFiles().value(0));
}

std::optional<QString> WidgetFileDialogs::existingFolder(const QString& caption,
                                                         const QString& startFolder) {
    return chosen(
        QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption, startFolder));
}

}  // namespace k4
