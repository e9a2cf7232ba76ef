#pragma once

#include <QByteArrayList>
#include <QDir>

#include "platform/failure.h"
#include "support/test_services.h"

namespace k4::test {

// Every file of the data folder, hidden ones too, as "name: bytes", so that a comparison also
// catches a temporary file left behind.
inline QByteArrayList folderSnapshot(const TestBench& bench) {
    QByteArrayList snapshot;
    for (const QString& name : QDir(bench.folder.path()).entryList(QDir::Files | QDir::Hidden))
        snapshot.append(name.toUtf8() + ": " + bench.fileBytes(name).value_or("<unreadable>"));
    return snapshot;
}

// Runs `command` with the n-th write step failing, for n = 1, 2, … until it succeeds, and checks
// after every failure that the folder is as it was. Returns the number of steps that failed, or
// -1 as soon as one of them left the folder changed.
template <typename Command>
int failEachWriteStep(TestBench& bench, Command command) {
    const QByteArrayList before = folderSnapshot(bench);
    int failed = 0;
    for (;;) {
        bench.faults.arm(failed + 1);
        try {
            command();
        } catch (const Failure&) {
            ++failed;
            if (folderSnapshot(bench) != before) {
                qWarning("step %d left the folder changed", failed);
                return -1;
            }
            continue;
        }
        bench.faults.disarm();
        return failed;
    }
}

}  // namespace k4::test
