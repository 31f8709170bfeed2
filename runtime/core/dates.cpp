#include "runtime/core/dates.h"

namespace {

QDate& pinnedToday() {
    static QDate date;
    return date;
}

} // namespace

QDate Today() {
    return pinnedToday().isValid() ? pinnedToday() : QDate::currentDate();
}

void setTodayForTesting(const QDate& date) {
    pinnedToday() = date;
}

int Day(const QDate& date) {
    return date.day();
}

int DayNumber(const QDate& date) {
    // Qt counts Monday = 1 .. Sunday = 7; the screens count Sunday = 1 .. Saturday = 7.
    return date.dayOfWeek() % 7 + 1;
}

QDate RelativeDate(const QDate& date, int days) {
    return date.addDays(days);
}
