#pragma once

#include <QString>
#include <QStringList>

#include "platform/language.h"

namespace k4 {

// The program's files, opened by their bare names in the data folder.
inline const QString kHistoryFile = QStringLiteral("kri4.dat");
inline const QString kCandidateFile = QStringLiteral("kri4key.dat");
inline const QString kCounterFile = QStringLiteral("kaisuu4.txt");
inline const QString kReportFile = QStringLiteral("yosou4.txt");

// The three data files, which the program writes together and a backup holds.
inline const QStringList kDataFileNames = {kHistoryFile, kCandidateFile, kCounterFile};

// The three named in a sentence: "kri4.dat、kri4key.dat、kaisuu4.txt", or in English
// "kri4.dat, kri4key.dat and kaisuu4.txt".
inline QString dataFilesText(Language language) {
    return inLanguage(language, QStringLiteral("%1、%2、%3"), QStringLiteral("%1, %2 and %3"))
        .arg(kHistoryFile, kCandidateFile, kCounterFile);
}

}  // namespace k4
