#include "ui/widget_file_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace k4 {
namespace {

std::optional<QString> chosen(const QString& path) {
    return path.isEmpty() ? std::nullopt : std::optional(path);
}

}  // namespace

std::optional<QString> WidgetFileDialogs::fileToOpen(const QString& caption,
                                                     const QString& filter) {
    return chosen(
        QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, startFolder_, filter));
}

std::optional<QString> WidgetFileDialogs::fileToSave(const QString& caption,
                                                     const QString& suggestedName,
                                                     const QString& filter) {
    return chosen(QFileDialog::getSaveFileName(QApplication::activeWindow(), caption,
                                               QDir(startFolder_).filePath(suggestedName), filter));
}

}  // namespace k4
