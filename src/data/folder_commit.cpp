#include "data/folder_commit.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <algorithm>
#include <optional>

#include "platform/failure.h"
#include "platform/file_system.h"

namespace k4 {
namespace {

// The files a commit keeps only while it runs. They are hidden, and named after the file they
// belong to, so that a failure can name that file and recovery can find every one of them.
const QString kJournal = QStringLiteral(".kirikata4-journal");
const QString kNewSuffix = QStringLiteral(".kirikata4-new");
const QString kOldSuffix = QStringLiteral(".kirikata4-old");

QString newName(const QString& name) {
    return u'.' + name + kNewSuffix;
}
QString oldName(const QString& name) {
    return u'.' + name + kOldSuffix;
}
bool isLeftOver(const QString& name) {
    return name.startsWith(u'.') && (name.endsWith(kNewSuffix) || name.endsWith(kOldSuffix));
}
// The file a left-over belongs to; both suffixes have the same length.
QString dataFileOf(const QString& leftOver) {
    return leftOver.sliced(1, leftOver.size() - 1 - kNewSuffix.size());
}

// The journal: a header, the names of the files one a line, and the checksum of those lines.
const QByteArray kJournalHeader = "kirikata4 journal 1\n";
const QByteArray kChecksumLabel = "sha256 ";

QByteArray checksumLine(const QByteArray& body) {
    return kChecksumLabel + QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex() +
           '\n';
}

QByteArray journalBytes(const QList<FileBytes>& files) {
    QByteArray body = kJournalHeader;
    for (const FileBytes& file : files) body += file.name.toUtf8() + '\n';
    return body + checksumLine(body);
}

// A bare file name of the folder; a journal naming anything else was not written by a commit.
bool isBareName(const QString& name) {
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') &&
           !name.contains(u'\\') && !name.contains(u':');
}

// The names in a whole journal; none when the journal is cut or damaged.
std::optional<QStringList> journalNames(const QByteArray& journal) {
    const qsizetype checksumAt = journal.lastIndexOf('\n' + kChecksumLabel) + 1;
    if (checksumAt <= 0) return std::nullopt;
    const QByteArray body = journal.left(checksumAt);
    if (!body.startsWith(kJournalHeader) || journal.sliced(checksumAt) != checksumLine(body))
        return std::nullopt;
    QStringList names;
    for (const QByteArray& line : body.sliced(kJournalHeader.size()).split('\n')) {
        if (line.isEmpty()) continue;
        const QString name = QString::fromUtf8(line);
        if (!isBareName(name)) return std::nullopt;
        names.append(name);
    }
    return names;
}

// Runs a step on behalf of the file `name`, whose name its failure then carries.
template <typename Step>
void forFile(const QString& name, Step step) {
    try {
        step();
    } catch (const Failure& failure) {
        throw Failure(failure.kind(), name);
    }
}

// Removes what a failed commit leaves; a removal that fails too leaves the file for recovery.
void removeQuietly(FileSystem& folder, const QStringList& names) {
    for (const QString& name : names) {
        try {
            folder.remove(name);
        } catch (const Failure&) {
        }
    }
}

// How far one file of a commit got.
struct Progress {
    bool setAside = false;  // the old file is renamed to its old name
    bool inPlace = false;   // the new file is renamed to the file's name
};

// Takes back the renames of a commit, newest first, and then drops the journal. Where a step
// fails, the rest is left to recovery, which completes a journaled commit and puts a single
// file's old content back.
void undoRenames(FileSystem& folder, const QList<FileBytes>& files, const QList<Progress>& progress,
                 bool journaled) {
    try {
        for (qsizetype i = files.size() - 1; i >= 0; --i) {
            const QString& name = files.at(i).name;
            if (progress.at(i).inPlace) folder.rename(name, newName(name));
            if (progress.at(i).setAside) folder.rename(oldName(name), name);
        }
        folder.syncFolder();
        if (journaled) folder.remove(kJournal);
    } catch (const Failure&) {
        return;
    }
    QStringList temporaries;
    for (const FileBytes& file : files) temporaries << newName(file.name);
    removeQuietly(folder, temporaries);
}

}  // namespace

void commitFiles(FileSystem& folder, const QList<FileBytes>& files,
                 const std::function<void()>& checkUnderLock) {
    const auto lock = folder.lockFolder();
    for (const FileBytes& file : files) folder.checkReplaceable(file.name);
    if (checkUnderLock) checkUnderLock();
    // One rename replaces a single file whole; several need the journal to change together.
    const bool journaled = files.size() > 1;

    QStringList temporaries;
    for (const FileBytes& file : files) temporaries << newName(file.name);
    try {
        for (const FileBytes& file : files)
            forFile(file.name, [&] { folder.writeDurably(newName(file.name), file.bytes); });
        if (journaled) {
            forFile(kJournal, [&] { folder.writeDurably(newName(kJournal), journalBytes(files)); });
            // The temporary files are on the disk by name before the journal is: a disk that
            // keeps no order among a folder's changes could otherwise keep a journal naming a
            // temporary file it lost, and recovery would complete the commit in part.
            folder.syncFolder();
            forFile(kJournal, [&] { folder.rename(newName(kJournal), kJournal); });
            folder.syncFolder();
        }
    } catch (const Failure&) {
        removeQuietly(folder, QStringList{kJournal, newName(kJournal)} + temporaries);
        throw;
    }

    // The commit is decided: from here a crash is carried through by recovery.
    QList<Progress> progress(files.size());
    QStringList setAside;
    try {
        for (qsizetype i = 0; i < files.size(); ++i) {
            const QString& name = files.at(i).name;
            forFile(name, [&] {
                if (folder.exists(name)) {
                    folder.rename(name, oldName(name));
                    progress[i].setAside = true;
                    setAside << oldName(name);
                }
                folder.rename(newName(name), name);
                progress[i].inPlace = true;
            });
        }
        folder.syncFolder();
        if (journaled) folder.remove(kJournal);
    } catch (const Failure&) {
        undoRenames(folder, files, progress, journaled);
        throw;
    }
    // The old files are of no use now; one left behind is removed by the next recovery.
    removeQuietly(folder, setAside);
}

void commitFileAt(FolderOpener& folders, const QString& path, const QByteArray& bytes) {
    const SavePlace place = folders.savePlaceOf(path);
    if (place.inPlace) return folders.writeInPlaceAt(path, bytes);
    commitFiles(*folders.open(place.folder), {{place.name, bytes}});
}

namespace {

// Whether a commit left anything behind: a journal, or a temporary or set-aside file.
bool holdsLeftOvers(const FileSystem& folder) {
    if (folder.exists(kJournal)) return true;
    const QStringList names = folder.fileNames();
    return std::any_of(names.begin(), names.end(), isLeftOver);
}

}  // namespace

void recoverFolder(FileSystem& folder) {
    // Taking the lock writes and syncs a file: a folder that is only read, perhaps one that
    // cannot be written, is left untouched when no commit was cut off. What is seen before the
    // lock may be another program's commit under way; under the lock it is looked at again.
    if (!holdsLeftOvers(folder)) return;
    const auto lock = folder.lockFolder();
    if (folder.exists(kJournal)) {
        if (const std::optional<QStringList> names = journalNames(folder.read(kJournal))) {
            for (const QString& name : *names)
                if (folder.exists(newName(name)))
                    forFile(name, [&] { folder.rename(newName(name), name); });
            folder.syncFolder();
        }
        folder.remove(kJournal);
    }
    // Without a journal, an old file whose place is empty was set aside by a single-file
    // commit that went no further.
    for (const QString& name : folder.fileNames()) {
        if (!isLeftOver(name)) continue;
        const QString belongsTo = dataFileOf(name);
        if (name.endsWith(kOldSuffix) && !folder.exists(belongsTo))
            forFile(belongsTo, [&] { folder.rename(name, belongsTo); });
        else
            folder.remove(name);
    }
}

}  // namespace k4
