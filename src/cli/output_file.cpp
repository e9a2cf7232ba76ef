#include "cli/output_file.h"

#include <QFileInfo>

#include "cli/tool_messages.h"
#include "data/folder_commit.h"
#include "platform/failure.h"

namespace k4 {

bool writeOutputFile(const QString& path, const QByteArray& bytes, Console& console,
                     FolderOpener& folders) {
    try {
        commitFileAt(folders, path, bytes);
        return true;
    } catch (const Failure& failure) {
        console.err << failureText(failure, QFileInfo(path).absolutePath(), console.language)
                    << '\n';
        return false;
    }
}

}  // namespace k4
