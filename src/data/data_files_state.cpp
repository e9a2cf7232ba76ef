#include "data/data_files_state.h"

#include <algorithm>

namespace k4 {

QStringList DataFilesState::presentNames() const {
    QStringList names;
    for (const DataFileKind& kind : dataFileTable())
        if ((*this)[kind.file]) names.append(kind.name);
    return names;
}

bool DataFilesState::isEmpty() const {
    return std::none_of(bytes_.begin(), bytes_.end(), [](const auto& bytes) { return bytes; });
}

bool DataFilesState::hasRequired() const {
    const auto& table = dataFileTable();
    return std::all_of(table.begin(), table.end(), [&](const DataFileKind& kind) {
        return !kind.required || (*this)[kind.file];
    });
}

}  // namespace k4
