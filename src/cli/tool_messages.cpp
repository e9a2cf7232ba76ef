#include "cli/tool_messages.h"

#include <QDir>

#include "platform/failure.h"

namespace k4 {

QString failureText(const Failure& failure, const QString& folder, Language language) {
    QString description = describe(failure.kind(), language);
    if (!failure.detail().isEmpty()) description += QStringLiteral(": ") + failure.detail();
    if (failure.fileName().isEmpty()) return description;
    return QDir::toNativeSeparators(QDir(folder).filePath(failure.fileName())) +
           QStringLiteral(": ") + description;
}

}  // namespace k4
