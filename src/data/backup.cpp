#include "data/backup.h"

#include <QLocale>

#include "data/file_names.h"
#include "platform/failure.h"
#include "platform/file_system.h"

namespace k4 {

QString backUpDataFiles(FileSystem& files, QDate date) {
    const QString dated =
        QStringLiteral("backup-") + QLocale::c().toString(date, QStringLiteral("yyyy-MM-dd"));
    QString folder = dated;
    for (int copy = 2; !files.createFolder(folder); ++copy)
        folder = dated + QStringLiteral("-%1").arg(copy);
    for (const QString& name : {kHistoryFile, kCandidateFile, kCounterFile}) {
        QByteArray bytes;
        try {
            bytes = files.read(name);
        } catch (const Failure& failure) {
            if (failure.kind() == FailureKind::FileNotFound) continue;
            throw;
        }
        files.replace(folder + u'/' + name, bytes);
    }
    return folder;
}

}  // namespace k4
