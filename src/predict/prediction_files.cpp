#include "predict/prediction_files.h"

#include "data/data_files.h"
#include "data/file_names.h"

namespace k4 {
namespace {

// The engine looks back no further than this many results.
constexpr qsizetype kHistoryLinesRead = 1000;

}  // namespace

PredictionData readPredictionData(const DataFiles& files) {
    PredictionData data;
    data.candidates = files.readCandidates();
    data.history = files.readHistory(kHistoryLinesRead);
    return data;
}

void writeReport(DataFiles& files, const QStringList& lines) {
    files.writeTextFile(kReportFile, lines);
}

}  // namespace k4
