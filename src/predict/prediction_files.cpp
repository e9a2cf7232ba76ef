#include "predict/prediction_files.h"

#include "data/data_files.h"
#include "data/file_names.h"
#include "predict/prediction.h"

namespace k4 {

PredictionData predictionDataIn(const DataFilesState& state) {
    return {DataFiles::candidatesIn(state), DataFiles::historyIn(state, kHistoryLookback)};
}

void writeReport(DataFiles& files, const QStringList& lines) {
    files.writeTextFile(kReportFile, lines);
}

}  // namespace k4
