#include "data/safety_copy.h"

#include <memory>

#include "data/data_file_table.h"
#include "data/dated_name.h"
#include "data/folder_commit.h"
#include "platform/failure.h"
#include "platform/file_system.h"

namespace k4 {

QString makeSafetyCopy(FileSystem& files, QDate date) {
    QList<FileBytes> copies;
    for (const QString& name : dataFileNames())
        if (files.exists(name)) copies.append({name, files.read(name)});

    QString name;
    std::unique_ptr<FileSystem> backup;
    for (int copy = 1; !backup; ++copy)
        backup = files.createFolder(name = datedName(QStringLiteral("backup-"), date, copy));
    commitFiles(*backup, copies);
    files.syncFolder();
    return name;
}

}  // namespace k4
