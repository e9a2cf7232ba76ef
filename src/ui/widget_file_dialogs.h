#pragma once

#include <QString>

#include "platform/file_dialogs.h"

namespace k4 {

// File choosers as real modal QFileDialogs over the active window, starting in the data folder,
// where the program's own files are and where a user looks for the ones it wrote.
class WidgetFileDialogs final : public FileDialogs {
public:
    explicit WidgetFileDialogs(QString startFolder) : startFolder_(std::move(startFolder)) {}

    std::optional<QString> fileToOpen(const QString& caption, const QString& filter) override;
    std::optional<QString> fileToSave(const QString& caption, const QString& suggestedName,
                                      const QString& filter) override;
    std::optional<QString> newFolder(const QString& caption, const QString& suggestedPath) override;
    std::optional<QString> existingFolder(const QString& caption,
                                          const QString& startFolder) override;

private:
    QString startFolder_;
};

}  // namespace k4
