#pragma once

#include "platform/file_dialogs.h"

namespace k4 {

// File choosers as real modal QFileDialogs over the active window, starting in the home folder.
class WidgetFileDialogs final : public FileDialogs {
public:
    std::optional<QString> fileToOpen(const QString& caption, const QString& filter) override;
    std::optional<QString> fileToSave(const QString& caption, const QString& suggestedName,
                                      const QString& filter) override;
    std::optional<QString> newFolder(const QString& caption, const QString& suggestedPath) override;
    std::optional<QString> existingFolder(const QString& caption,
                                          const QString& startFolder) override;
};

}  // namespace k4
