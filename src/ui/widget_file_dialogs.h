#pragma once

#include <QString>

#include "platform/file_dialogs.h"

namespace k4 {

// File choosers as real modal QFileDialogs over the active window.
class WidgetFileDialogs final : public FileDialogs {
public:
    WidgetFileDialogs() = default;
    explicit WidgetFileDialogs(QString firstFolder) : FileDialogs(std::move(firstFolder)) {}

    std::optional<QString> newFolder(const QString& caption, const QString& suggestedPath) override;
    std::optional<QString> existingFolder(const QString& caption,
                                          const QString& startFolder) override;

protected:
    std::optional<QString> chooseFileToOpen(const QString& caption, const QString& startFolder,
                                            const QString& filter) override;
    std::optional<QString> chooseFileToSave(const QString& caption, const QString& suggestedPath,
                                            const QString& filter) override;
};

}  // namespace k4
