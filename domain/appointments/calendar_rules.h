#pragma once

#include <QDate>
#include <QString>

#include <array>

// The date arithmetic of the appointment calendars, on the runtime's date functions.
namespace calendar {

constexpr int CellCount = 42;

QDate startofmonth(const QDate& pdate);
// Goes past the month's end to a day of the next month and steps back by that day's number, so
// month lengths and leap years come from the date arithmetic alone.
QDate endofmonth(const QDate& pdate);

// The values of cell1 .. cell42 for the month of date: day 1 in the column of its weekday in the
// first week row (Sunday first), the other days after it, 0 in every cell without a day.
std::array<int, CellCount> monthCells(const QDate& date);
// The number of the cell that shows date in its month's grid.
int dayCell(const QDate& date);

// The caption above a calendar: the month's Serbian name and the year, as in "Jun 2000".
QString monthCaption(const QDate& date);

} // namespace calendar
