#include <shlwapi.h>
#include <windows.h>

#include <QDir>
#include <QFileInfo>

#include "platform/program_launcher.h"

namespace k4 {
namespace {

// The program the user's file associations open text files with, or an empty string. A
// packaged (Store) app cannot be started by its path, so one of those counts as none; Windows
// starts its own Notepad as notepad.exe.
QString associatedTextEditor() {
    wchar_t path[MAX_PATH];
    DWORD length = MAX_PATH;
    if (AssocQueryStringW(ASSOCF_INIT_IGNOREUNKNOWN, ASSOCSTR_EXECUTABLE, L".txt", L"open", path,
                          &length) != S_OK)
        return {};
    const QFileInfo program(QString::fromWCharArray(path));
    const bool packaged =
        program.absoluteFilePath().contains(u"/WindowsApps/", Qt::CaseInsensitive);
    return program.isFile() && !packaged ? QDir::toNativeSeparators(program.absoluteFilePath())
                                         : QString();
}

}  // namespace

Command textEditorCommand(const QString& fileName) {
    const QString editor = associatedTextEditor();
    return {editor.isEmpty() ? QStringLiteral("notepad.exe") : editor, {fileName}};
}

}  // namespace k4
