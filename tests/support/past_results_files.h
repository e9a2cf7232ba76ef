#pragma once

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QStringList>
#include <algorithm>

#include "data/prize_file.h"

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

// The prizes publicResultsCsv() gives a round: amounts that change from round to round, set
// ones worked out from the others as the lottery rounds them, and no box or set prize for a
// result of four equal digits, for which none are sold.
inline RoundPrizes publicPrizes(int round, const QString& draw) {
    const qint64 straight = 900'000 + qint64(round) * 7'919 % 200'000;
    if (draw.count(draw.front()) == draw.size()) return {round, draw, straight, {}, {}, {}};
    const qint64 box = 30'000 + qint64(round) * 104'729 % 40'000;
    return {round, draw, straight, box, (straight + box) / 2 / 100 * 100, box / 2 / 100 * 100};
}

// A file of past results as results sites publish it: a header, then a row a round with 第N回,
// the date, the result, its four digits and four prizes (publicPrizes(), the box prize as
// "37,500円"), CR LF line ends, in UTF-8.
inline QByteArray publicResultsCsv(const QStringList& draws, int firstRound = 1,
                                   bool newestFirst = false) {
    QStringList rows =
        resultRows(draws, firstRound, newestFirst, [](int round, QDate date, const QString& draw) {
            QStringList digits;
            for (const QChar digit : draw) digits << QString(digit);
            const RoundPrizes prizes = publicPrizes(round, draw);
            const auto amount = [](std::optional<qint64> yen) {
                return yen ? QString::number(*yen) : QString();
            };
            const QString box = prizes.box
                                    ? QStringLiteral("\"%1円\"")
                                          .arg(QLocale(QLocale::English).toString(*prizes.box))
                                    : QString();
            return QStringLiteral("第%1回,%2,%3,%4,%5,%6,%7,%8")
                .arg(round)
                .arg(date.toString(Qt::ISODate), draw, digits.join(u','), amount(prizes.straight),
                     box, amount(prizes.setStraight), amount(prizes.setBox));
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
