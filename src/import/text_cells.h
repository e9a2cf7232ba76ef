#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace k4 {

// The text of a file of past results: UTF-8 (with or without a byte order mark) when its bytes
// are valid UTF-8, code page 932 otherwise.
QString decodePastResultsText(QByteArrayView bytes);

// The cells of one line of such a file, each trimmed of ordinary and ideographic spaces and of
// the quotes a spreadsheet puts around a cell (`"0419"`, and `="0419"`, which keeps a leading
// zero in a spreadsheet). A line holding a tab is tab-separated text, as a table copied from a
// web page or a spreadsheet is; otherwise a line holding a comma is CSV, where a quoted cell may
// hold commas and doubled quotes; any other line is split at runs of spaces. A blank line has no
// cells.
QStringList cellsOf(QStringView line);

}  // namespace k4
