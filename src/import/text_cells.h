#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace k4 {

// The text of a file of past results: UTF-8 (with or without a byte order mark) when its bytes
// are valid UTF-8, code page 932 otherwise.
QString decodePastResultsText(QByteArrayView bytes);

// Whether decoded bytes are text at all: a picture, a workbook or another file of bytes decodes
// to a run of control characters and undecodable bytes, which no text a person wrote holds.
bool looksLikeText(QStringView text);

// Whether a line holds a digit (full width too): a title, a note or a footer around a table often
// holds none, and a row of results always does.
bool holdsDigit(QStringView line);

// The cells of one line of such a file, each trimmed of ordinary and ideographic spaces and of
// the quotes a spreadsheet puts around a cell (`"0419"`, and `="0419"`, which keeps a leading
// zero in a spreadsheet). A line holding a tab is tab-separated text, as a table copied from a
// web page or a spreadsheet is; otherwise a line holding a comma is CSV, where a quoted cell may
// hold commas and doubled quotes; any other line is split at runs of spaces. A blank line has no
// cells.
QStringList cellsOf(QStringView line);

// What separates the cells of the line, by the rules of cellsOf(): a tab, a comma or a space.
QChar separatorOf(QStringView line);

}  // namespace k4
