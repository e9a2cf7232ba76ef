#include "data/data_file_table.h"

#include <algorithm>
#include <cmath>

#include "data/data_files.h"
#include "data/file_names.h"
#include "data/initial_candidates.h"
#include "data/prize_file.h"
#include "data/ticket_book.h"
#include "platform/failure.h"
#include "platform/numbers.h"
#include "platform/shown_text.h"

namespace k4 {
namespace {

// A history line holds four characters: the digits of a result, or what an older version let
// the user type instead.
constexpr qsizetype kHistoryLineLength = 4;

QString historyProblem(const QByteArray& bytes) {
    const QStringList history = DataFiles::linesIn(bytes);
    for (qsizetype i = 0; i < history.size(); ++i)
        if (!history[i].isEmpty() && history[i].size() != kHistoryLineLength)
            return QStringLiteral("%1 の %2 行目「%3」は結果ではありません。")
                .arg(kHistoryFile)
                .arg(i + 1)
                .arg(shownText(history[i]));
    return {};
}

// Every registration moves one of the 570 combinations to the end of the table, written as
// drawn, so a table of the program holds each of them exactly once, in some order of its digits.
QString candidateProblem(const QByteArray& bytes) {
    QStringList combinations = DataFiles::linesIn(bytes);
    for (QString& line : combinations) std::sort(line.begin(), line.end());
    std::sort(combinations.begin(), combinations.end());
    if (combinations == initialCandidateLines()) return {};
    return QStringLiteral(
               "%1 は候補表ではありません (570 通りの組み合わせが一つずつ並んでいる"
               "はずです)。")
        .arg(kCandidateFile);
}

// The counter as the program writes it: one round from 0 to the largest whose next round the
// main window shows, in plain decimal.
QString counterProblem(const QByteArray& bytes) {
    DataFilesState state;
    state[DataFile::Counter] = bytes;
    std::optional<double> counter;
    try {
        counter = DataFiles::counterIn(state);
    } catch (const Failure&) {
    }
    const bool written =
        counter && DataFiles::linesIn(bytes, 1) == DataFiles::counterLines(*counter);
    if (written && *counter == std::trunc(*counter) && *counter >= 0 && *counter <= kLargestCounter)
        return {};
    return QStringLiteral("%1 の 1 行目が回数 (0〜%2) ではありません。")
        .arg(kCounterFile)
        .arg(kLargestCounter);
}

}  // namespace

const std::array<DataFileKind, kDataFileCount>& dataFileTable() {
    static const std::array<DataFileKind, kDataFileCount> table = {{
        {DataFile::History, kHistoryFile, true, historyProblem},
        {DataFile::Candidates, kCandidateFile, true, candidateProblem},
        {DataFile::Counter, kCounterFile, true, counterProblem},
        {DataFile::Prizes, kPrizeFile, false, prizeFileProblem},
        {DataFile::Tickets, kTicketFile, false, ticketBookProblem},
    }};
    return table;
}

const DataFileKind& dataFileKind(DataFile file) {
    return dataFileTable()[std::size_t(file)];
}

QStringList dataFileNames() {
    QStringList names;
    for (const DataFileKind& kind : dataFileTable()) names.append(kind.name);
    return names;
}

QStringList requiredDataFileNames() {
    QStringList names;
    for (const DataFileKind& kind : dataFileTable())
        if (kind.required) names.append(kind.name);
    return names;
}

QString dataFilesText(Language language) {
    QStringList names = requiredDataFileNames();
    if (language == Language::Japanese) return names.join(u'、');
    const QString last = names.takeLast();
    return names.isEmpty() ? last
                           : names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

}  // namespace k4
