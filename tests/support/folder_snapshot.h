#pragma once

#include <QDir>
#include <QMap>

#include "data/folder_commit.h"
#include "platform/failure.h"
#include "support/test_services.h"

namespace k4::test {

// Every file of the data folder, hidden ones too, by name, so that a comparison also catches a
// temporary file left behind.
using FolderContents = QMap<QString, QByteArray>;
inline FolderContents folderContents(const TestBench& bench) {
    FolderContents contents;
    for (const QString& name : QDir(bench.folder.path()).entryList(QDir::Files | QDir::Hidden))
        contents.insert(name, bench.fileBytes(name).value_or("<unreadable>"));
    return contents;
}

// Runs `command` with the n-th write step failing, for n = 1, 2, … until it succeeds, and checks
// after every failure that the folder is as it was. Returns the number of steps that failed, or
// -1 as soon as one of them left the folder changed or the command failed although no step did.
template <typename Command>
int failEachWriteStep(TestBench& bench, Command command) {
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
