#pragma once

#include <QString>
#include <QStringList>

namespace k4 {

// The program's files, opened by their bare names in the data folder.
inline const QString kHistoryFile = QStringLiteral("kri4.dat");
inline const QString kCandidateFile = QStringLiteral("kri4key.dat");
inline const QString kCounterFile = QStringLiteral("kaisuu4.txt");
inline const QString kReportFile = QStringLiteral("yosou4.txt");

// The three data files, which the program writes together and a backup holds.
inline const QStringList kDataFileNames = {kHistoryFile, kCandidateFile, kCounterFile};

}  // namespace k4
