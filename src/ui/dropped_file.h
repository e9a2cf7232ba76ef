#pragma once

#include <QMimeData>
#include <QString>
#include <QUrl>

namespace k4 {

// The first local file that a drag brings, as its path; empty when it brings none.
inline QString droppedLocalFile(const QMimeData& data) {
    for (const QUrl& url : data.urls())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}

}  // namespace k4
