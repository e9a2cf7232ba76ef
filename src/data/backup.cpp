#include "data/backup.h"

#include <QLocale>
#include <memory>

#include "data/file_names.h"
#include "data/folder_commit.h"
#include "platform/failure.h"
#include "platform/file_system.h"

namespace k4 {

QString backUpDataFiles(FileSystem& files, QDate date) {
    QList<FileBytes> copies;
    for (const QString& name : kDataFileNames)
        if (files.exists(name)) copies.append({name, files.read(name)});

    const QString dated =
        QStringLiteral("backup-") + QLocale::c().toString(date, QStringLiteral("yyyy-MM-dd"));
    QString name = dated;
    std::unique_ptr<FileSystem> backup = files.createFolder(name);
    for (int copy = 2; !backup; ++copy)
        backup = files.createFolder(name = dated + QStringLiteral("-%1").arg(copy));
    commitFiles(*backup, copies);
    files.syncFolder();
    return name;
}

}  // namespace k4
