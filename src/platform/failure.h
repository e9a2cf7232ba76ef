#pragma once

#include <QString>
#include <exception>

#include "platform/language.h"

namespace k4 {

// What went wrong in a failed step: a file operation, a conversion, or a command refused before
// it wrote anything (isRefusal).
enum class FailureKind {
    FileNotFound,       // a file to read does not exist
    CannotOpen,         // a file exists but cannot be opened for reading
    ReadPastEnd,        // a read needed a line after the last one
    CannotWrite,        // a file cannot be created, written or replaced
    Overflow,           // a number does not fit the integer it must become
    FolderInUse,        // another program is writing into the data folder, which it names
    CannotWriteFolder,  // a folder, which it names, takes no new file
    NotAFile,           // something that is not a regular file (a folder, a pipe, a device)
                        // stands where a file is read or replaced
    ChangedElsewhere,   // the data files, whose folder it names, are no longer what a window
                        // read: a command built on them would undo another program's change
    CounterFull,        // the round counter is at kLargestCounter: a registration would pass it
    BadRow,             // a file the program keeps holds a row it does not read (a hand edit);
                        // the failure names the file, the line and why
    PrizeDisagrees,     // a prize offered for a round differs from the one kept; the failure
                        // names the round and both amounts
    NotOpened,          // no program on the machine opened a file or folder, which it names,
                        // for the user to see
    Unexpected,         // anything else that escaped a command (out of memory, say)
};

// The one failure the program throws. It is raised where the step fails and turned into a
// message at the event-handler boundary. Where it stops a command on the data files, the window
// shows it in a message box and the program ends (runCommand, ui/command_boundary.h), unless it
// is a refusal. Where it is met on a file or folder the user chose outside the data folder (a
// file of past results to read, a backup folder to write or restore from, a table or picture to
// save), the data files are as they were: the handler shows it as a warning, and the program
// goes on. The companion command writes it on the terminal and ends with its failure status.
class Failure : public std::exception {
public:
    // `detail` is a sentence that says more than the kind does (the line and the reason of a
    // bad row); empty for most failures.
    Failure(FailureKind kind, QString fileName, QString detail = {});

    FailureKind kind() const { return kind_; }
    const QString& fileName() const { return fileName_; }
    const QString& detail() const { return detail_; }

    // The Japanese text shown to the user, e.g. "ファイルが見つかりません: kaisuu4.txt".
    QString message() const;
    const char* what() const noexcept override;

private:
    FailureKind kind_;
    QString fileName_;
    QString detail_;
    QByteArray what_;
};

// Whether the failure refused a command before it wrote anything, on files that are whole, or
// befell a command that writes nothing: the user is told, and the program goes on.
bool isRefusal(FailureKind kind);

// The description of a failure kind, without the file name. The windows speak Japanese; the
// companion command speaks the system's language.
QString describe(FailureKind kind, Language language = Language::Japanese);

}  // namespace k4
