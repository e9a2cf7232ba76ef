#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTemporaryDir>
#include <optional>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "support/faulty_file_system.h"

namespace k4::test {

class FixedClock final : public Clock {
public:
    explicit FixedClock(QDate date) : date_(date) {}
    QDate today() const override { return date_; }

private:
    QDate date_;
};

// A temporary data folder and a fixed date. Every file written, in the data folder or elsewhere,
// goes through `faults`, which is disarmed until a test arms it.
class TestFolder {
public:
    TestFolder();

    // Writes a file of the data folder byte for byte.
    void writeFile(const QString& name, const QByteArray& bytes) const;
    // Writes the three data files byte for byte.
    void writeDataFiles(const QByteArray& history, const QByteArray& candidates,
                        const QByteArray& counter) const;
    // The bytes of a file of the data folder, or nothing when it does not exist.
    std::optional<QByteArray> fileBytes(const QString& name) const;
    QString path(const QString& name) const;

    QTemporaryDir folder;
    CountdownFaults faults;
    DiskFileSystem disk;
    FaultyFileSystem files;
    FaultyFolderOpener folders{faults};
    FixedClock clock{QDate(2026, 12, 7)};
};

}  // namespace k4::test
