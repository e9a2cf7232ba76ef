#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace k4 {

class FileSystem;
class FolderOpener;

// The new content of one file of a folder, as the bytes it is to hold.
struct FileBytes {
    QString name;
    QByteArray bytes;
};

// Replaces the named files of the folder, creating those that are missing: all of them or
// none, also through a crash or a power cut, and on the disk once it returns.
//
// Each new content goes to a temporary file first and is synced. Several files are then named
// in a journal (with a checksum, so that a cut journal is recognised); the folder is synced, the
// journal renamed into place and the folder synced again: from that moment the commit is
// decided, and a crash is carried through by recoverFolder(). Each old file is set aside and its
// temporary file renamed in its place, the folder is synced, the journal removed and the old
// files after it. A single file needs no journal: where a crash leaves it set aside and not
// replaced, recovery puts it back.
//
// Throws the Failure of the first step that fails, after undoing what was done, so that every
// file is as it was before and a file that did not exist is gone again. Throws FolderInUse when
// another program holds the folder's lock. Where even the undoing fails (a disk that stays
// dead), the journal stays and the next recovery completes the commit instead.
//
// `checkUnderLock`, when given, runs once the lock is held and before anything is written; a
// Failure it throws stops the commit with nothing written. It is where a commit checks that
// the folder still holds what the new contents were computed from.
void commitFiles(FileSystem& folder, const QList<FileBytes>& files,
                 const std::function<void()>& checkUnderLock = {});

// Replaces or creates one file anywhere, named by its path (a table or a picture the user
// saves), whole or not at all, as commitFiles() does, in the folder `folders` opens for it;
// through a link, the file it names. A device, a pipe or a terminal is written into as it is.
void commitFileAt(FolderOpener& folders, const QString& path, const QByteArray& bytes);

// Brings the folder to a whole state before anything reads it, and writes nothing when there is
// nothing to bring back (the lock is taken only then): a commit whose journal is whole
// is carried through and a cut journal is dropped, and the temporary files of interrupted
// commits are removed. Every step can itself be interrupted and recovery run again.
void recoverFolder(FileSystem& folder);

}  // namespace k4
