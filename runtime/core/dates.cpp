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

QDate dateOfColumn(const QVariant& value) {
    if (value.typeId() == QMetaType::QDate)
        return value.toDate();
    const QString text = value.toString();
    // A list of visits carries one date a row: the plain "YYYY-MM-DD" is read digit by digit,
    // a small part of what QDate::fromString spends on the forms it allows.
    if (text.size() >= 10 && text.at(4) == u'-' && text.at(7) == u'-') {
        int number[3] = {0, 0, 0};
        bool digits = true;
        for (int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
            const char16_t c = text.at(i).unicode();
            digits = digits && c >= u'0' && c <= u'9';
            int& part = number[i < 4 ? 0 : i < 7 ? 1 : 2];
            part = part * 10 + (c - u'0');
        }
        if (digits)
            return QDate(number[0], number[1], number[2]); // invalid for a month 13 or a day 32
    }
    return QDate::fromString(QStringView(text).left(10), Qt::ISODate);
}
