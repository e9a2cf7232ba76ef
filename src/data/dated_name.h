#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace k4 {

// The name of the `copy`th folder of a kind made on `date`: "backup-2026-12-07" for the first
// of the day (prefix "backup-"), then "backup-2026-12-07-2", "…-3" …, so that copies of one day
// sort in the order they were made.
inline QString datedName(const QString& prefix, QDate date, int copy = 1) {
    const QString dated = prefix + QLocale::c().toString(date, QStringLiteral("yyyy-MM-dd"));
    return copy == 1 ? dated : dated + QStringLiteral("-%1").arg(copy);
}

}  // namespace k4
