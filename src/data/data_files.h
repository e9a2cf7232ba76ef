#pragma once

#include <QByteArray>
#include <QStringList>
#include <cstdint>

#include "data/candidate_table.h"
#include "data/data_files_state.h"
#include "data/folder_commit.h"
#include "data/lines.h"
#include "data/result_history.h"
#include "platform/numbers.h"

namespace k4 {

class FileSystem;

// The new content of one file of the folder, as its lines: written in code page 932, each ended
// with CR LF.
struct FileLines {
    QString name;
    QStringList lines;
};

// Reading the data files, and rewriting them. Each operation reads or replaces files whole and
// throws a Failure naming the file when it cannot.
class DataFiles {
public:
    explicit DataFiles(FileSystem& files) : files_(files) {}

    // The bytes of the three files as they are now: every reading of the data files starts here,
    // so that a command reads each file once and a later commit can check against what it read.
    DataFilesState readState() const;
    // The number on the first line of the counter file. Throws FileNotFound for a missing file,
    // ReadPastEnd for an empty one and Overflow for a number too large to hold.
    static double counterIn(const DataFilesState& state);
    // The first `maxLines` lines of a data file's bytes, or every line, as the readings above
    // take them.
    static QStringList linesIn(const QByteArray& bytes, qsizetype maxLines = kAllLines);
    static CandidateTable candidatesIn(const DataFilesState& state);
    static ResultHistory historyIn(const DataFilesState& state, qsizetype maxLines = kAllLines);

    // Rewrites any file of the folder with `lines` (the prediction report), whole or not at all.
    void writeTextFile(const QString& name, const QStringList& lines);

    // Rewrites several files together: all of them or none, also through a crash or a power
    // cut (see commitFiles), and only while the three data files still hold what `readFrom`
    // says; otherwise nothing is written and it throws ChangedElsewhere naming the folder.
    void commit(const QList<FileLines>& contents, const DataFilesState& readFrom);
    // The same for contents already in the files' bytes (a backup put back as it was saved).
    void commit(const QList<FileBytes>& files, const DataFilesState& readFrom);

    // Completes or drops a commit that a crash interrupted; runs before anything reads the files.
    void recover();

    // The lines of a counter file holding `counter`.
    static QStringList counterLines(double counter);

private:
    FileSystem& files_;
};

}  // namespace k4
