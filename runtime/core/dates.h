#pragma once

#include <QDate>
#include <QVariant>

// The date functions. Today() reads one clock that tests can pin to a fixed day, so calendars and
// year lists can be checked on known dates.
QDate Today();
void setTodayForTesting(const QDate& date); // an invalid date returns to the system clock

int Day(const QDate& date);       // day of the month, 1..31
int DayNumber(const QDate& date); // day of the week, 1 = Sunday .. 7 = Saturday
QDate RelativeDate(const QDate& date, int days);

// A DATE column as the drivers hand it back: a date, or its ISO text ("2026-12-09", perhaps with
// a time after it). Anything else gives an invalid date.
QDate dateOfColumn(const QVariant& value);
