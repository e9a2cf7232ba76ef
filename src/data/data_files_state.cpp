#include "data/data_files_state.h"

namespace k4 {

QStringList DataFilesState::presentNames() const {
    QStringList names;
    for (const DataFileKind& kind : dataFileTable())
        if ((*this)[kind.file]) names.append(kind.name);
    return names;
}

QStringList DataFilesState::missingRequiredNames() const {
    QStringList names;
    for (const DataFileKind& kind : dataFileTable())
        if (kind.required && !(*this)[kind.file]) names.append(kind.name);
    return names;
}

}  // namespace k4
