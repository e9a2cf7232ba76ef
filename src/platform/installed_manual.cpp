#include "platform/installed_manual.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace k4 {

QString installedManual() {
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString& place : {QStringLiteral("使いかた.html"), QStringLiteral("manual.html"),
                                 QStringLiteral("../share/doc/kirikata4/manual.html")}) {
        const QFileInfo manual(program.filePath(place));
        if (manual.isFile()) return manual.canonicalFilePath();
    }
    return {};
}

}  // namespace k4
