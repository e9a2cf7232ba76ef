#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

#include "data/candidate_table.h"
#include "data/lines.h"
#include "data/result_history.h"

namespace k4 {

class FileSystem;

// The new content of one file of the folder.
struct FileContent {
    QString name;
    QStringList lines;
};

// Reading the data files, and rewriting them. Each operation reads or replaces files whole and
// throws a Failure naming the file when it cannot.
class DataFiles {
public:
    explicit DataFiles(FileSystem& files) : files_(files) {}

    // The number on the first line of the counter file. Throws ReadPastEnd for an empty file
    // and Overflow for a number too large to hold.
    double readCounter() const;

    // Lines 1 to 570 of the candidate file; throws ReadPastEnd when it has fewer.
    CandidateTable readCandidates() const;

    // The first `maxLines` lines of the history file, or every line.
    ResultHistory readHistory(qsizetype maxLines = kAllLines) const;

    // Rewrites any file of the folder with `lines` (the prediction report).
    void writeTextFile(const QString& name, const QStringList& lines);

    // Rewrites several files in the order given. When one cannot be written, those already
    // rewritten get their old content back before the failure is thrown, so a command that
    // changes several files changes all of them or none.
    void writeTogether(const QList<FileContent>& contents);

    // The lines of a counter file holding `counter`.
    static QStringList counterLines(double counter);

private:
    std::optional<QByteArray> oldContent(const QString& name) const;

    FileSystem& files_;
};

}  // namespace k4
