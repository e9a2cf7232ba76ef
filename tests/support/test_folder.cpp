#include "support/test_folder.h"

#include <QDir>
#include <QFile>

#include "data/file_names.h"

namespace k4::test {

TestFolder::TestFolder()
    : disk(folder.path()), files(disk, faults, QDir::toNativeSeparators(folder.path())) {}

QString TestFolder::path(const QString& name) const {
    return QDir(folder.path()).filePath(name);
}

void TestFolder::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(name));
}

void TestFolder::writeDataFiles(const QByteArray& history, const QByteArray& candidates,
                                const QByteArray& counter) const {
    writeFile(kHistoryFile, history);
    writeFile(kCandidateFile, candidates);
    writeFile(kCounterFile, counter);
}

std::optional<QByteArray> TestFolder::fileBytes(const QString& name) const {
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

}  // namespace k4::test
