#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

namespace k4 {

// Tells when the data files may have changed, whoever changed them: another copy of the
// program, kirikata4-tool, an editor. It watches the folder, where a commit renames new files
// in, and the data files themselves, which an editor may rewrite in place. A commit renames
// several files, so it tells once the changes have settled.
class DataFolderWatcher : public QObject {
    Q_OBJECT

public:
    explicit DataFolderWatcher(const QString& folder, QObject* parent = nullptr);

signals:
    void changed();

private:
    // Watches the data files that are there now; a renamed or removed file is no longer watched.
    void watchDataFiles();

    QString folder_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
};

}  // namespace k4
