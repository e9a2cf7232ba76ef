#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

namespace k4::test {

// A file of the fixed prediction data set checked in under tests/predict/golden.
inline QByteArray golden(const QString& name) {
    QFile file(QStringLiteral(K4_GOLDEN_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly)) qFatal("no golden file %s", qPrintable(name));
    return file.readAll();
}

// `count` distinct history entries, "5000", "5001" …, newest first.
inline QStringList numberedEntries(int count) {
    QStringList list;
    for (int i = 0; i < count; ++i) list.append(QString::number(5000 + i));
    return list;
}

// A candidate file of 570 four-digit lines, 1000 to 1569, each its own combination: a registered
// result finds its line by the digits it holds (0151 matches line 16).
inline QByteArray candidateFile() {
    QByteArray bytes;
    for (int n = 1000; n < 1570; ++n) bytes += QByteArray::number(n) + "\r\n";
    return bytes;
}

}  // namespace k4::test
