#include "platform/clock.h"

#include <QLocale>

namespace k4 {

QString formatDate(QDate date) {
    return QLocale::c().toString(date, QStringLiteral("MM-dd-yyyy"));
}

}  // namespace k4
