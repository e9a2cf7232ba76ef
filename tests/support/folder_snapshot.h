#pragma once

#include <QDir>
#include <QFile>
#include <QMap>

#include "data/folder_commit.h"
#include "platform/failure.h"
#include "support/test_folder.h"

namespace k4::test {

// Every file of a folder, hidden ones too, by name, so that a comparison also catches a
// temporary file left behind; none when there is no folder.
using FolderContents = QMap<QString, QByteArray>;
inline FolderContents folderContents(const QString& folder) {
    FolderContents contents;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        QFile file(QDir(folder).filePath(name));
        contents.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>");
    }
    return contents;
}
inline FolderContents folderContents(const TestFolder& bench) {
    return folderContents(bench.folder.path());
}

// Writes each file of `contents` into the folder byte for byte.
inline void writeFolder(const QString& folder, const FolderContents& contents) {
    for (auto it = contents.begin(); it != contents.end(); ++it) {
        QFile file(QDir(folder).filePath(it.key()));
        if (!file.open(QIODevice::WriteOnly) || file.write(*it) != it->size())
            qFatal("cannot write test file %s", qPrintable(it.key()));
    }
}

// Runs `command` with the n-th write step failing, for n = 1, 2, … until it succeeds, and checks
// after every failure that the folder is as it was. Returns the number of steps that failed, or
// -1 as soon as one of them left the folder changed or the command failed although no step did.
template <typename Command>
int failEachWriteStep(TestFolder& bench, Command command) {
    const FolderContents before = folderContents(bench);
    int failed = 0;
    for (;;) {
        bench.faults.arm(failed + 1);
        try {
            command();
        } catch (const Failure& failure) {
            if (!bench.faults.fired()) {
                qWarning("failed with no step failing: %s", failure.what());
                return -1;
            }
            ++failed;
            if (folderContents(bench) != before) {
                qWarning("step %d left the folder changed", failed);
                return -1;
            }
            continue;
        }
        // A clean-up step after the commit failed: the commit stands, and recovery removes what
        // the step left.
        const bool cleanUpFailed = bench.faults.fired();
        bench.faults.disarm();
        if (cleanUpFailed) recoverFolder(bench.files);
        return failed;
    }
}

}  // namespace k4::test
