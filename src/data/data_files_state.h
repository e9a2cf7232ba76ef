#pragma once

#include <QByteArray>
#include <QStringList>
#include <array>
#include <optional>

#include "data/data_file_table.h"

namespace k4 {

// What the data files held when a window or a command read them: each file's bytes, or none
// where there was no such file. A commit given it writes only while the files still hold
// exactly this, so that nothing built on an old reading replaces what another program wrote
// since. Read it before the view it guards: a change in between then refuses the commit, never
// lets it through.
struct DataFilesState {
public:
    const std::optional<QByteArray>& operator[](DataFile file) const {
        return bytes_[std::size_t(file)];
    }
    std::optional<QByteArray>& operator[](DataFile file) { return bytes_[std::size_t(file)]; }

    // The names of the data files that were there, in the table's order.
    QStringList presentNames() const;
    // The names of the files every data folder holds that were not there, in the table's order.
    QStringList missingRequiredNames() const;

    bool operator==(const DataFilesState&) const = default;

private:
    std::array<std::optional<QByteArray>, kDataFileCount> bytes_;
};

}  // namespace k4
