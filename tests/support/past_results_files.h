#pragma once

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QStringList>
#include <algorithm>

namespace k4::test {

// The day of the `index`th draw of a file, a day after the one before.
inline QDate drawDate(int index) {
    return QDate(1994, 10, 7).addDays(index);
}

// The rows of `draws` (oldest first, rounds from `firstRound`), newest first when asked, as
// `row` writes each.
template <typename Row>
QStringList resultRows(const QStringList& draws, int firstRound, bool newestFirst, Row row) {
    QStringList rows;
    for (int i = 0; i < draws.size(); ++i) rows << row(firstRound + i, drawDate(i), draws[i]);
    if (newestFirst) std::reverse(rows.begin(), rows.end());
    return rows;
}

// A file of past results as results sites publish it: a header, then a row a round with 第N回,
// the date, the result, its four digits and four prizes, CR LF line ends, in UTF-8.
inline QByteArray publicResultsCsv(const QStringList& draws, int firstRound = 1,
                                   bool newestFirst = false) {
    QStringList rows =
        resultRows(draws, firstRound, newestFirst, [](int round, QDate date, const QString& draw) {
            QStringList digits;
            for (const QChar digit : draw) digits << QString(digit);
            return QStringLiteral("第%1回,%2,%3,%4,942600,78500,510500,39200")
                .arg(round)
                .arg(date.toString(Qt::ISODate), draw, digits.join(u','));
        });
    rows.prepend(
        QStringLiteral("回号,抽せん日,当せん番号,digit1,digit2,digit3,digit4,"
                       "ストレート,ボックス,セット(ストレート),セット(ボックス)"));
    return (rows.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

// A table copied from a results page: no header, newest first, tab-separated 第N回, the date
// as Japanese pages write it and the result.
inline QString copiedResultsTable(const QStringList& draws, int firstRound = 1) {
    const QLocale japanese(QLocale::Japanese);
    return resultRows(draws, firstRound, true,
                      [&](int round, QDate date, const QString& draw) {
                          return QStringLiteral("第%1回\t%2年%3月%4日(%5)\t%6")
                              .arg(round)
                              .arg(date.year())
                              .arg(date.month(), 2, 10, QLatin1Char('0'))
                              .arg(date.day(), 2, 10, QLatin1Char('0'))
                              .arg(japanese.dayName(date.dayOfWeek(), QLocale::NarrowFormat), draw);
                      })
               .join(u'\n') +
           u'\n';
}

}  // namespace k4::test
