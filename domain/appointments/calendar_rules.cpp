#include "domain/appointments/calendar_rules.h"

#include "runtime/core/dates.h"

#include <QStringList>

namespace calendar {

QDate startofmonth(const QDate& pdate) {
    return RelativeDate(pdate, 1 - Day(pdate));
}

QDate endofmonth(const QDate& pdate) {
    const QDate t = RelativeDate(pdate, 32 - Day(pdate));
    return RelativeDate(t, -Day(t));
}

std::array<int, CellCount> monthCells(const QDate& date) {
    std::array<int, CellCount> cells{};
    const int first = DayNumber(startofmonth(date));
    const int last = Day(endofmonth(date));
    for (int d = 1; d <= last; ++d)
        cells[first + d - 2] = d;
    return cells;
}

int dayCell(const QDate& date) {
    return DayNumber(startofmonth(date)) + Day(date) - 1;
}

QString monthCaption(const QDate& date) {
    static const QStringList months{
        QStringLiteral("Januar"),  QStringLiteral("Februar"),  QStringLiteral("Mart"),
        QStringLiteral("April"),   QStringLiteral("Maj"),      QStringLiteral("Jun"),
        QStringLiteral("Jul"),     QStringLiteral("Avgust"),   QStringLiteral("Septembar"),
        QStringLiteral("Oktobar"), QStringLiteral("Novembar"), QStringLiteral("Decembar")};
    return QStringLiteral("%1 %2").arg(months.at(date.month() - 1)).arg(date.year());
}

} // namespace calendar
