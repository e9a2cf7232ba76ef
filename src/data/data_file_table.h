#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

#include "platform/language.h"

namespace k4 {

// The data files of a folder: what a command reads once, what a commit checks that no other
// program changed since, what a backup holds and a restore puts back, what the safety copy keeps
// and what the windows follow. Each of those takes its list from the table below, so a new data
// file is a new row here, its reader and, for a file every folder holds, its initial file.
// History, Candidates and Counter are the draws; Prizes keeps the real prizes of the rounds and
// Tickets the player's ticket book, which a folder holds only once something was written there.
enum class DataFile { History, Candidates, Counter, Prizes, Tickets };

struct DataFileKind {
    DataFile file;
    QString name;
    // Every data folder holds it: the program does not start without it, a new folder starts
    // from its initial file (resources/initial) and a backup is not whole without it.
    bool required;
    // Why `bytes` are not this file as the program writes it, in the words a restore shows;
    // empty when they are. The check reads the bytes with the file's own reader.
    QString (*problemIn)(const QByteArray& bytes);
};

inline constexpr std::size_t kDataFileCount = 5;

// Every data file, in the order the program names them.
const std::array<DataFileKind, kDataFileCount>& dataFileTable();
const DataFileKind& dataFileKind(DataFile file);

// The names of every data file, in the table's order.
QStringList dataFileNames();
// The names of the files every data folder holds, in the table's order.
QStringList requiredDataFileNames();

// The required files named in a sentence: "kri4.dat、kri4key.dat、kaisuu4.txt", or in English
// "kri4.dat, kri4key.dat and kaisuu4.txt".
QString dataFilesText(Language language);

}  // namespace k4
