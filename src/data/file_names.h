#pragma once

#include <QString>

namespace k4 {

// The program's files, opened by their bare names in the data folder. The data files among them
// are described, with what they hold and how they are checked, in data_file_table.h.
inline const QString kHistoryFile = QStringLiteral("kri4.dat");
inline const QString kCandidateFile = QStringLiteral("kri4key.dat");
inline const QString kCounterFile = QStringLiteral("kaisuu4.txt");
inline const QString kPrizeFile = QStringLiteral("haitou4.csv");
inline const QString kTicketFile = QStringLiteral("kounyuu4.csv");
inline const QString kReportFile = QStringLiteral("yosou4.txt");

}  // namespace k4
