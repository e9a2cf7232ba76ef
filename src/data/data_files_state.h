#pragma once

#include <QByteArray>
#include <optional>

namespace k4 {

// What the three data files held when a window or a command read them: each file's bytes, or
// none where there was no such file. A commit given it writes only while the files still hold
// exactly this, so that nothing built on an old reading replaces what another program wrote
// since. Read it before the view it guards: a change in between then refuses the commit, never
// lets it through.
struct DataFilesState {
    std::optional<QByteArray> history;
    std::optional<QByteArray> candidates;
    std::optional<QByteArray> counter;

    bool operator==(const DataFilesState&) const = default;
};

}  // namespace k4
